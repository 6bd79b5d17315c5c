#include "files/directory_lock.h"

#include <cerrno>
#include <climits>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

// The previous holder may remove the file between this program's open and its lock: the lock is
// then on a file nobody else will look at, and the open is tried again.
constexpr int kAttempts = 20;

bool sameFile(int fd, const std::filesystem::path& path) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

} // namespace

DirectoryLock::DirectoryLock(std::filesystem::path file, std::filesystem::path fallback)
    : m_file(std::move(file)), m_fallback(std::move(fallback)), m_path(m_file) {}

DirectoryLock::~DirectoryLock() {
    release();
}

void DirectoryLock::release() {
    if (m_fd >= 0) {
        // Removed while still locked, so that a start waiting for it finds the file gone and makes a
        // new one rather than locking this one after it is closed.
        if (m_held)
            ::unlink(m_path.c_str());
        ::close(m_fd);
    }
    if (m_dirFd >= 0)
        ::close(m_dirFd);
    m_fd = m_dirFd = -1;
    m_held = false;
    m_path = m_file;
}

DirectoryLock::State DirectoryLock::acquire() {
    release();
    const State directory = lockDirectory();
    if (directory == State::Taken)
        return State::Taken;
    const State file = lockFile();
    if (file == State::Taken) { // a program that locks only the file runs there
        release();
        return State::Taken;
    }
    if (directory == State::Held) {
        // The directory's lock guards it; the file, when it could be locked too, carries the note.
        if (file != State::Held && m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        return State::Held;
    }
    if (file != State::Failed || m_fallback.empty())
        return file;
    m_path = m_fallback;
    return lockFile();
}

DirectoryLock::State DirectoryLock::lockDirectory() {
    const std::filesystem::path dir = m_file.parent_path().empty() ? "." : m_file.parent_path();
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return State::Failed;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR)
            continue;
        ::close(fd);
        return error == EWOULDBLOCK ? State::Taken : State::Failed;
    }
    m_dirFd = fd;
    return State::Held;
}

DirectoryLock::State DirectoryLock::lockFile() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // 0600: the note names a process, which is nobody else's business.
        const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
        if (fd < 0)
            return State::Failed;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return State::Failed;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK || error == EINTR) {
                ::close(fd);
                if (error == EINTR)
                    continue;
                return State::Taken;
            }
            m_fd = fd; // ENOLCK, EOPNOTSUPP, EINVAL: this file system keeps no locks
            return State::NoSystemLock;
        }
        if (!sameFile(fd, m_path)) {
            ::close(fd);
            continue;
        }
        m_fd = fd;
        m_held = true;
        writeOwner();
        return State::Held;
    }
    return State::Taken;
}

void DirectoryLock::takeWithoutSystemLock() {
    if (m_fd < 0)
        return;
    m_held = true;
    writeOwner();
}

void DirectoryLock::writeOwner() {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        host[0] = '\0';
    // The layout other programs use for such notes: process id, program name, host.
    const std::string note = std::to_string(::getpid()) + "\nrusrina\n" + host + "\n";
    if (::ftruncate(m_fd, 0) == 0)
        (void)!::pwrite(m_fd, note.data(), note.size(), 0);
}

} // namespace rusrina
