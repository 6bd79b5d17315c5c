#pragma once
// Entries, files and temporary directories for the box tests.

#include "box/box.h"
#include "data/moves.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace rusrina::testing {

// A valid entry; the name is taken as raw Shift-JIS bytes.
inline BoxEntry makeEntry(std::string_view nameBytes, int species = 24) {
    BoxEntry e{};
    std::memcpy(e.name, nameBytes.data(), std::min<std::size_t>(nameBytes.size(), kBoxNameBytes - 1));
    e.species = species;
    e.level = 50;
    e.nature = 3;
    e.ability = 9;
    e.item = 16;
    for (int s = 0; s < 6; ++s) {
        e.iv[s] = 31;
        e.ev[s] = s == 1 || s == 5 ? 252 : 0;
        e.stat[s] = 100 + s;
    }
    e.move[0] = 84;
    e.move[1] = 85;
    e.move[2] = NO_MOVE;
    e.move[3] = NO_MOVE;
    return e;
}

// A box of `count` entries named "n0", "n1", … over the species in order.
inline Box namedBox(int count) {
    Box box;
    for (int i = 0; i < count; ++i)
        box.add(makeEntry("n" + std::to_string(i), i % 663));
    return box;
}

// The box's slots as the bytes a box file holds.
inline std::string imageOf(const Box& box) {
    return std::string(reinterpret_cast<const char*>(box.slots().data()), kBoxFileBytes);
}

// The names of the files in a directory.
inline std::set<std::string> namesIn(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

inline std::string entryBytes(const BoxEntry& e) {
    return std::string(reinterpret_cast<const char*>(&e), sizeof e);
}

inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeAll(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rusrina-box-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace rusrina::testing
