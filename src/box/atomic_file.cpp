#include "box/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

// Writes the temporary file's contents; returns 0 or an errno value.
using Fill = std::function<int(int fd)>;

int writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

// A symbolic link stays a link: the file it names is the one replaced.
fs::path resolveTarget(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path real = fs::canonical(target, ec);
        if (!ec)
            return real;
    }
    return target;
}

struct TempFile {
    fs::path path;
    int fd = -1;
    int error = 0;
};

// Created beside the target so that the rename stays within one file system. The mode 0666 is
// narrowed by the umask, as for any new file.
TempFile createTempBeside(const fs::path& target) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path name = target;
        name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0)
            return {name, fd, 0};
        if (errno != EEXIST)
            return {{}, -1, errno};
    }
    return {{}, -1, EEXIST};
}

void keepPermissions(int fd, const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        (void)::fchmod(fd, st.st_mode & 07777);
}

// Makes the rename itself durable. Some file systems refuse fsync on a directory; the file's own
// data is already on disk then, so this is best effort.
void syncDirectory(const fs::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

SaveResult replaceFile(const fs::path& target, const Fill& fill) {
    const fs::path real = resolveTarget(target);
    TempFile temp = createTempBeside(real);
    if (temp.fd < 0)
        return {false, saveFailureText(target, temp.error)};
    keepPermissions(temp.fd, real);
    int err = fill(temp.fd);
    if (err == 0 && ::fsync(temp.fd) != 0)
        err = errno;
    if (::close(temp.fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.path.c_str(), real.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.path.c_str());
        return {false, saveFailureText(target, err)};
    }
    syncDirectory(real.parent_path());
    return {true, {}};
}

int copyInto(int out, const fs::path& source) {
    int in = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (in < 0)
        return errno;
    struct stat st {};
    int err = ::fstat(in, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : !S_ISREG(st.st_mode) ? EINVAL : 0;
    char buffer[65536];
    while (err == 0) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : 0;
            break;
        }
        err = writeAll(out, buffer, static_cast<std::size_t>(n));
    }
    ::close(in);
    return err;
}

} // namespace

SaveResult writeFileAtomically(const fs::path& target, std::string_view bytes) {
    return replaceFile(target, [bytes](int fd) { return writeAll(fd, bytes.data(), bytes.size()); });
}

SaveResult copyFileAtomically(const fs::path& source, const fs::path& target) {
    return replaceFile(target, [&source](int fd) { return copyInto(fd, source); });
}

std::string saveFailureText(const fs::path& path, int error) {
    return "ファイル保存失敗: " + path.string() + " (" + std::strerror(error) + ")";
}

} // namespace rusrina
