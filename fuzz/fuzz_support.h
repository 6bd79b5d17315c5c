#pragma once
// What the fuzz targets share: a scratch directory for the files they hand to the code under test,
// and a check that stops the run with a message, so that a broken promise counts as a crash.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace rusrina::fuzz {

// Stops the run when `ok` is false; libFuzzer then keeps the input as a crash.
inline void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// A directory of its own for this process, in memory when /dev/shm exists (the targets write
// and replace a file on every input), removed when the process ends normally.
class ScratchDir {
public:
    ScratchDir() {
        std::filesystem::path base = "/dev/shm";
        std::error_code ec;
        if (!std::filesystem::is_directory(base, ec) || ::access(base.c_str(), W_OK) != 0)
            base = std::filesystem::temp_directory_path();
        std::string pattern = (base / "rusrina-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// The one scratch directory of the process.
inline ScratchDir& scratch() {
    static ScratchDir dir;
    return dir;
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    check(static_cast<bool>(out), "the scratch file could be written");
}

} // namespace rusrina::fuzz
