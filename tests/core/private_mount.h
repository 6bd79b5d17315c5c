#pragma once
// Real read-only directories and full disks for the fault tests. Permission bits do not stop root
// (the tests run as root in CI), so a test mounts a small tmpfs, or remounts it read-only, in a
// private mount namespace of a child process. The body runs in that child with the ordinary
// gtest macros; its failures are printed there and fail the test through its exit status.

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rusrina::testing {

inline constexpr int kNoPrivateMounts = 77;

inline bool writeProcFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

// Root unshares the mount namespace directly; anyone else through a user namespace of their own.
inline bool enterPrivateMountNamespace() {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return false;
    }
    // Nothing mounted here may show in the parent's namespace.
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// A tmpfs of `bytes` bytes (rounded up to whole pages) over `dir`.
inline bool mountSmallFileSystem(const std::filesystem::path& dir, std::size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    return ::mount("tmpfs", dir.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

inline bool remountReadOnly(const std::filesystem::path& dir) {
    return ::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

// In the child: a mount the system refuses (a container's security profile) skips the test.
inline void mountedOrSkip(bool mounted) {
    if (!mounted) {
        std::fflush(stdout);
        ::_exit(kNoPrivateMounts);
    }
}

// Runs `body` in a child process inside a private mount namespace. Skips the test where the
// system allows no such namespace (a container that forbids unshare).
#define RUN_WITH_PRIVATE_MOUNTS(body)                                                                                  \
    do {                                                                                                               \
        std::fflush(stdout);                                                                                           \
        std::fflush(stderr);                                                                                           \
        const pid_t child = ::fork();                                                                                  \
        ASSERT_GE(child, 0);                                                                                           \
        if (child == 0) {                                                                                              \
            if (!::rusrina::testing::enterPrivateMountNamespace())                                                     \
                ::_exit(::rusrina::testing::kNoPrivateMounts);                                                         \
            body();                                                                                                    \
            std::fflush(stdout);                                                                                       \
            ::_exit(::testing::Test::HasFailure() ? 1 : 0);                                                            \
        }                                                                                                              \
        int status = 0;                                                                                                \
        ASSERT_EQ(::waitpid(child, &status, 0), child);                                                                \
        if (WIFEXITED(status) && WEXITSTATUS(status) == ::rusrina::testing::kNoPrivateMounts)                          \
            GTEST_SKIP() << "no private mount namespace on this system";                                               \
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)                                                     \
            << "the checks in the child failed (status " << status << ")";                                             \
    } while (false)

} // namespace rusrina::testing
