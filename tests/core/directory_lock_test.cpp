// The data directory's lock: whatever a lock file holds, only a running holder keeps it; a killed
// holder lets go at once.

#include "files/directory_lock.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

namespace {

pid_t goneProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A child process that takes the lock and then waits to be killed; it reports through a pipe
// whether it got the lock.
struct LockingChild {
    pid_t pid = -1;
    bool held = false;

    explicit LockingChild(const fs::path& file) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::close(pipeFds[0]);
            DirectoryLock lock(file);
            const char state = lock.acquire() == DirectoryLock::State::Held ? 'h' : '-';
            (void)!::write(pipeFds[1], &state, 1);
            ::pause();
            ::_exit(0);
        }
        ::close(pipeFds[1]);
        char state = 0;
        held = ::read(pipeFds[0], &state, 1) == 1 && state == 'h';
        ::close(pipeFds[0]);
    }
    void kill() {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
};

} // namespace

// What a lock file holds says nothing about whether a program runs: with no holder, each is taken
// over, and the note then names this process.
TEST(DirectoryLock, AnyFileNoProgramHoldsIsTakenOver) {
    const struct {
        const char* what;
        std::optional<std::string> content; // none: no file
    } cases[] = {
        {"no lock file", std::nullopt},
        {"an empty lock (killed between creating and writing it)", ""},
        {"garbage", std::string("\x7f\x45\x4c\x46\x02\x01\x01\0\0 not a lock", 21)},
        {"a process that is gone", std::to_string(goneProcess()) + "\nrusrina\nhost\n"},
        {"a running process that is not rusrina", "1\ninit\nhost\n"},
        {"this very process under another name", std::to_string(::getpid()) + "\nsomething-else\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const fs::path file = dir / "rusrina.lock";
        if (c.content) {
            writeAll(file, *c.content);
            fs::permissions(file, fs::perms(0644));
        }
        {
            DirectoryLock lock(file);
            ASSERT_EQ(lock.acquire(), DirectoryLock::State::Held) << c.what;
            EXPECT_EQ(readAll(file).substr(0, readAll(file).find('\n')), std::to_string(::getpid())) << c.what;
            EXPECT_EQ(fs::status(file).permissions() & fs::perms::mask, c.content ? fs::perms(0644) : fs::perms(0600))
                << c.what;
        }
        EXPECT_FALSE(fs::exists(file)) << c.what << ": removed at the end";
    }
}

TEST(DirectoryLock, HeldByALiveHolderUntilItEndsHoweverItEnds) {
    TempDir dir;
    const fs::path file = dir / "rusrina.lock";
    {
        DirectoryLock first(file);
        ASSERT_EQ(first.acquire(), DirectoryLock::State::Held);
        // Even a garbled note does not free a held lock.
        writeAll(file, "");
        DirectoryLock second(file);
        EXPECT_EQ(second.acquire(), DirectoryLock::State::Taken);
    }
    LockingChild child(file);
    ASSERT_TRUE(child.held);
    DirectoryLock waiting(file);
    EXPECT_EQ(waiting.acquire(), DirectoryLock::State::Taken);
    child.kill(); // the file stays behind, naming the killed process
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(waiting.acquire(), DirectoryLock::State::Held);
}

// A lock file that cannot be opened (a directory, a link, another user's file) leaves the directory
// guarded by its own lock; where the directory cannot be locked either, the fallback file guards it.
TEST(DirectoryLock, GuardedWhereTheLockFileCannotBeOpened) {
    TempDir dir;
    fs::create_directory(dir / "a-directory");
    fs::create_symlink(dir / "elsewhere", dir / "a-link");
    const fs::path fallback = dir / "fallback.lock";
    const struct {
        const char* name;
        bool withFallback;
        DirectoryLock::State state;
        const char* lockedFile;
    } cases[] = {
        {"a-directory", false, DirectoryLock::State::Held, "a-directory"},
        {"a-link", false, DirectoryLock::State::Held, "a-link"},
        {"missing/rusrina.lock", false, DirectoryLock::State::Failed, "missing/rusrina.lock"},
        {"missing/rusrina.lock", true, DirectoryLock::State::Held, "fallback.lock"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = dir.path() / c.name;
        DirectoryLock lock(file, c.withFallback ? fallback : fs::path());
        ASSERT_EQ(lock.acquire(), c.state);
        EXPECT_EQ(lock.path(), dir.path() / c.lockedFile);
        if (c.state == DirectoryLock::State::Held) {
            EXPECT_TRUE(lock.guardedAnotherWay());
            DirectoryLock second(file, c.withFallback ? fallback : fs::path());
            EXPECT_EQ(second.acquire(), DirectoryLock::State::Taken);
        }
    }
    EXPECT_FALSE(fs::exists(dir / "elsewhere"));
    EXPECT_FALSE(fs::exists(fallback));
}
