#include "files/atomic_file.h"

#include "text/ui_text.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

// What filling the temporary file met: 0 or an errno value, and whether it came from reading the
// source of a copy (a read error names the source, a write error the target).
struct FillError {
    int error = 0;
    bool inSource = false;
};
using Fill = std::function<FillError(int fd)>;

constexpr int kMaxLinkHops = 40; // as the system's own limit for a path

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
        if (errno == EINTR)
            continue;
        if (errno != EEXIST)
            return {{}, -1, errno};
    }
    return {{}, -1, EEXIST};
}

void keepPermissions(int fd, const fs::path& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        (void)::fchmod(fd, st.st_mode & 07777);
}

void takePermissionsOf(int fd, const fs::path& original) {
    struct stat st {};
    if (::stat(original.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        (void)::fchmod(fd, (st.st_mode & 0777) | S_IWUSR);
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

bool exists(const fs::path& path, struct stat& st) {
    return ::lstat(path.c_str(), &st) == 0;
}

// 0, or the errno that stops the previous file from being kept aside.
int keepPrevious(const fs::path& target, const fs::path& keepAs) {
    struct stat st {};
    if (keepAs.empty() || !exists(target, st))
        return 0;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    return ::rename(target.c_str(), keepAs.c_str()) == 0 ? 0 : errno;
}

SaveResult failure(const fs::path& path, int error) {
    return {false, saveFailureText(path, error), SaveProblem::Failed};
}

// `source` is only named in messages, for a copy.
SaveResult replaceFile(const fs::path& target, const WriteOptions& options, const fs::path& permissionsOf,
                       const Fill& fill, const fs::path& source = {}) {
    const fs::path real = options.followLinks ? resolveLinks(target) : target;
    if (real.empty())
        return failure(target, ELOOP);
    struct stat st {};
    if (exists(real, st) && S_ISREG(st.st_mode) && isReadOnlyFile(real))
        return {false,
                text::fillText(text::uiText("SaveFile", "書き込みが許可されていないため置き換えませんでした: %1"),
                               {real.string()}),
                SaveProblem::ReadOnly};
    if (!options.keepPreviousAs.empty() && exists(real, st) && S_ISDIR(st.st_mode))
        return failure(real, EISDIR);
    TempFile temp = createTempBeside(real);
    if (temp.fd < 0)
        return failure(real, temp.error);
    keepPermissions(temp.fd, real);
    if (!permissionsOf.empty())
        takePermissionsOf(temp.fd, permissionsOf);
    const FillError filled = fill(temp.fd);
    int err = filled.error;
    fs::path failed = filled.inSource ? source : real;
    if (err == 0 && ::fsync(temp.fd) != 0)
        err = errno;
    if (::close(temp.fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && (err = keepPrevious(real, options.keepPreviousAs)) != 0)
        failed = options.keepPreviousAs;
    if (err == 0 && ::rename(temp.path.c_str(), real.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.path.c_str());
        return failure(failed, err);
    }
    syncDirectory(real.parent_path());
    return SaveResult::saved();
}

FillError copyInto(int out, const fs::path& source) {
    int in = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (in < 0)
        return {errno, true};
    struct stat st {};
    FillError err;
    err.error = ::fstat(in, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : !S_ISREG(st.st_mode) ? EINVAL : 0;
    err.inSource = err.error != 0;
    char buffer[65536];
    while (err.error == 0) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = {n < 0 ? errno : 0, n < 0};
            break;
        }
        err.error = writeAll(out, buffer, static_cast<std::size_t>(n));
    }
    ::close(in);
    return err;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The process id in "<target>.tmp<pid>-<n>" when `name` has that form and names a temporary file
// of one of this program's files; 0 otherwise.
pid_t temporaryFileOwner(std::string_view name) {
    const auto mark = name.rfind(".tmp");
    if (mark == std::string_view::npos)
        return 0;
    const std::string_view target = name.substr(0, mark);
    const std::string_view tail = name.substr(mark + 4);
    const auto dash = tail.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == tail.size())
        return 0;
    long pid = 0, serial = 0;
    const auto [pidEnd, pidError] = std::from_chars(tail.data(), tail.data() + dash, pid);
    const auto [serialEnd, serialError] = std::from_chars(tail.data() + dash + 1, tail.data() + tail.size(), serial);
    if (pidError != std::errc() || serialError != std::errc() || pidEnd != tail.data() + dash ||
        serialEnd != tail.data() + tail.size() || pid <= 0)
        return 0;
    for (std::string_view own : {".vbd", ".ini", ".bak", ".recovery"})
        if (endsWith(target, own) && target.size() > own.size())
            return static_cast<pid_t>(pid);
    // The recoveries kept side by side ("<box>.recovery-<n>") and the info file beside each.
    if (const auto mark = target.rfind(".recovery"); mark != std::string_view::npos && mark > 0) {
        std::string_view rest = target.substr(mark + std::string_view(".recovery").size());
        if (endsWith(rest, ".info"))
            rest.remove_suffix(std::string_view(".info").size());
        const bool numbered =
            rest.size() > 1 && rest[0] == '-' && rest.find_first_not_of("0123456789", 1) == std::string_view::npos;
        if (rest.empty() || numbered)
            return static_cast<pid_t>(pid);
    }
    return 0;
}

bool processIsGone(pid_t pid) {
    return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

SaveResult writeFileAtomically(const fs::path& target, std::string_view bytes, const WriteOptions& options,
                               const fs::path& permissionsOf) {
    return replaceFile(target, options, permissionsOf,
                       [bytes](int fd) { return FillError{writeAll(fd, bytes.data(), bytes.size())}; });
}

SaveResult copyFileAtomically(const fs::path& source, const fs::path& target, const WriteOptions& options,
                              const fs::path& permissionsOf) {
    return replaceFile(
        target, options, permissionsOf, [&source](int fd) { return copyInto(fd, source); }, source);
}

fs::path resolveLinks(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)))
            return current;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {};
}

bool isReadOnlyFile(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

int removeStaleTemporaryFiles(const fs::path& dir) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const pid_t owner = temporaryFileOwner(name);
        std::error_code typeError;
        if (owner == 0 || !it->is_regular_file(typeError) || it->is_symlink(typeError) || !processIsGone(owner))
            continue;
        if (::unlink(it->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

std::string saveFailureText(const fs::path& path, int error) {
    return text::fillText(text::uiText("SaveFile", "ファイル保存失敗: %1 (%2)"), {path.string(), std::strerror(error)});
}

} // namespace rusrina
