// Faults a user can meet with real files and directories: a read-only directory, a full disk, the
// program killed while it saves, a settings file of random bytes, and a box file that is not a
// regular file. In each the program goes on, says what it can, and leaves no file worse.

#include "format/box_file.h"
#include "settings/settings_file.h"

#include "box_test_support.h"
#include "private_mount.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = RUSRINA_TEST_DATA_DIR;
const std::string kSettings92 = "[Main]\r\nVersion=92\r\n[Search]\r\nshow=1\r\nleft=40\r\n";
const std::string kSettings91 = "[Main]\r\nVersion=91\r\n[Search]\r\nshow=1\r\nleft=40\r\n";
const std::string kFreshSettings = "[Main]\r\nVersion=92\r\n";

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(rng());
    return bytes;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

// An existing settings file in a directory that cannot be written: a file of this version is read
// as it is, any other is ignored as the version rule would have deleted it, and nothing changes.
TEST(ReadOnlyDirectory, SettingsAreReadButNeverChanged) {
    struct Case {
        const char* what;
        std::optional<std::string> content;
        int show; // Search/show read after the version rule
    };
    const Case cases[] = {
        {"version 92", kSettings92, 1},
        {"version 91", kSettings91, 0},
        {"random bytes", randomBytes(3000, 7), 0},
        {"no file", std::nullopt, 0},
    };
    TempDir dir;
    RUN_WITH_PRIVATE_MOUNTS([&] {
        mountedOrSkip(mountSmallFileSystem(dir.path(), 1 << 20));
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            fs::create_directory(dir.path() / std::to_string(i));
            if (cases[i].content)
                writeAll(dir.path() / std::to_string(i) / "rusrina.ini", *cases[i].content);
        }
        mountedOrSkip(remountReadOnly(dir.path()));
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            SCOPED_TRACE(cases[i].what);
            const fs::path sub = dir.path() / std::to_string(i);
            SettingsFile settings(sub / "rusrina.ini");
            settings.applyVersionRule();
            EXPECT_EQ(settings.readSetting("Search", "show", 0), cases[i].show);
            settings.writeSetting("Search", "show", 5);
            settings.writeSetting("Damage", "show", 1);
            EXPECT_EQ(settings.readSetting("Search", "show", 0), cases[i].show);
            EXPECT_EQ(settings.readSetting("Damage", "show", 0), 0);
            if (cases[i].content) {
                EXPECT_EQ(readAll(sub / "rusrina.ini"), *cases[i].content);
                EXPECT_EQ(namesIn(sub), std::set<std::string>{"rusrina.ini"});
            } else {
                EXPECT_TRUE(fs::is_empty(sub));
            }
        }
    });
}

// The box loads from a read-only directory, imports from it, and a save says why it failed.
TEST(ReadOnlyDirectory, BoxLoadsAndASaveFailsWithTheReason) {
    TempDir dir;
    const std::string previous = imageOf(namedBox(3));
    const std::string mixed = readAll(kFixtures / "box_mixed.vbd");
    RUN_WITH_PRIVATE_MOUNTS([&] {
        mountedOrSkip(mountSmallFileSystem(dir.path(), 1 << 20));
        fs::create_directory(dir / "bad");
        writeAll(dir / "rusrina.vbd", previous);
        writeAll(dir.path() / "bad" / "rusrina.vbd", mixed);
        mountedOrSkip(remountReadOnly(dir.path()));

        BoxFile file(dir / "rusrina.vbd");
        Box box;
        EXPECT_EQ(file.load(box).count, 3);
        SaveResult r = file.save(namedBox(5));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(contains(r.message, (dir / "rusrina.vbd").string())) << r.message;
        EXPECT_TRUE(contains(r.message, "Read-only file system")) << r.message;
        EXPECT_EQ(readAll(dir / "rusrina.vbd"), previous);

        // A file with bad records must be kept aside first; when that cannot be done, nothing is saved.
        BoxFile bad(dir.path() / "bad" / "rusrina.vbd");
        EXPECT_EQ(bad.load(box).invalidRecords, 1);
        r = bad.save(box);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(contains(r.message, "rusrina.vbd.bak")) << r.message;
        EXPECT_TRUE(bad.backupPending());
        EXPECT_EQ(readAll(dir.path() / "bad" / "rusrina.vbd"), mixed);

        Box target = namedBox(1);
        ImportResult imported = importBoxFile(target, dir / "rusrina.vbd");
        EXPECT_EQ(imported.added, 2);
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"bad", "rusrina.vbd"}));
        EXPECT_EQ(namesIn(dir.path() / "bad"), std::set<std::string>{"rusrina.vbd"});
    });
}

// A file system with too little room for a second copy of the box: the save fails with the
// reason and the previous files stay as they were; once there is room again, saving works.
TEST(FullDisk, SavesFailCleanlyAndWorkAgainWithRoom) {
    TempDir dir;
    const std::string previous = imageOf(namedBox(kBoxCapacity));
    const std::string mixed = readAll(kFixtures / "box_mixed.vbd");
    RUN_WITH_PRIVATE_MOUNTS([&] {
        // Forty pages: the box file takes 36, the settings file and the bad-record file one each.
        mountedOrSkip(mountSmallFileSystem(dir.path(), 40 * 4096));
        writeAll(dir / "rusrina.vbd", previous);
        writeAll(dir / "rusrina.ini", kSettings92);
        writeAll(dir / "mixed.vbd", mixed);
        writeAll(dir / "filler", std::string(2 * 4096, 'x'));
        ASSERT_EQ(fs::space(dir.path()).available, 0u);

        BoxFile file(dir / "rusrina.vbd");
        SaveResult r = file.save(namedBox(3));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(contains(r.message, "No space left on device")) << r.message;
        EXPECT_EQ(readAll(dir / "rusrina.vbd"), previous);

        SettingsFile settings(dir / "rusrina.ini");
        settings.writeSetting("Search", "show", 0);
        const SaveResult flushed = settings.flush();
        EXPECT_FALSE(flushed.ok);
        EXPECT_TRUE(contains(flushed.message, (dir / "rusrina.ini").string())) << flushed.message;
        EXPECT_EQ(readAll(dir / "rusrina.ini"), kSettings92);

        BoxFile bad(dir / "mixed.vbd");
        Box box;
        bad.load(box);
        r = bad.save(box);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(contains(r.message, "mixed.vbd.bak")) << r.message;
        EXPECT_EQ(readAll(dir / "mixed.vbd"), mixed);
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"filler", "mixed.vbd", "rusrina.ini", "rusrina.vbd"}));

        fs::remove(dir / "rusrina.vbd");
        fs::remove(dir / "filler");
        EXPECT_TRUE(file.save(namedBox(3)).ok);
        EXPECT_EQ(readAll(dir / "rusrina.vbd"), imageOf(namedBox(3)));
        EXPECT_TRUE(settings.flush().ok); // the write kept in memory reaches the file now
        EXPECT_EQ(SettingsFile(dir / "rusrina.ini").readSetting("Search", "show", 1), 0);
    });
}

// The same with a file size limit, which every system allows: the settings file is longer than it.
TEST(FullDisk, SettingsWriteOverAFileSizeLimitKeepsTheFile) {
    TempDir dir;
    std::string text = kSettings92;
    for (int i = 0; i < 100; ++i)
        text += "key" + std::to_string(i) + "=" + std::to_string(i * 1000) + "\r\n";
    writeAll(dir / "rusrina.ini", text);
    SettingsFile settings(dir / "rusrina.ini");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    settings.writeSetting("Search", "show", 0);
    const bool flushed = settings.flush().ok;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(flushed);
    EXPECT_EQ(readAll(dir / "rusrina.ini"), text);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"rusrina.ini"});
    EXPECT_TRUE(settings.flush().ok);
    EXPECT_EQ(SettingsFile(dir / "rusrina.ini").readSetting("Search", "show", 1), 0);
}

namespace {

// Starts a child that saves over and over (`saveForever` writes a byte to `done` after each save),
// waits for its first save, lets it run `delay` longer and kills it with SIGKILL.
void killWhileSaving(const std::function<void(int done)>& saveForever, std::chrono::microseconds delay) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::fflush(stdout);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(fds[0]);
        saveForever(fds[1]);
        ::_exit(0);
    }
    ::close(fds[1]);
    char first = 0;
    ASSERT_EQ(::read(fds[0], &first, 1), 1);
    ::usleep(static_cast<useconds_t>(delay.count()));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(fds[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

void reportSave(int done) {
    (void)!::write(done, "s", 1);
}

} // namespace

// Killed at any moment of a save, the box file is one of the boxes saved, whole, and loads.
TEST(KilledDuringSave, BoxFileIsAlwaysAWholeBox) {
    TempDir dir;
    const Box big = namedBox(1000);
    const Box small = namedBox(7);
    writeAll(dir / "rusrina.vbd", imageOf(namedBox(2)));
    for (int round = 0; round < 16; ++round) {
        killWhileSaving(
            [&](int done) {
                BoxFile file(dir / "rusrina.vbd");
                for (int i = 0;; ++i) {
                    if (!file.save(i % 2 == 0 ? big : small).ok)
                        ::_exit(3);
                    reportSave(done);
                }
            },
            std::chrono::microseconds(round * 900));
        const std::string bytes = readAll(dir / "rusrina.vbd");
        ASSERT_TRUE(bytes == imageOf(big) || bytes == imageOf(small)) << "round " << round;
        Box box;
        LoadResult r = BoxFile(dir / "rusrina.vbd").load(box);
        EXPECT_TRUE(r.count == 1000 || r.count == 7) << "round " << round;
        EXPECT_EQ(r.invalidRecords, 0);
    }
}

// Killed at any moment of a settings flush, the file holds the old or the new value, whole.
TEST(KilledDuringSave, SettingsFileIsAlwaysWhole) {
    TempDir dir;
    std::string rest;
    for (int i = 0; i < 300; ++i)
        rest += "key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    const auto withShow = [&](int show) {
        return kSettings92 + "[Damage]\r\nshow=" + std::to_string(show) + "\r\n" + rest;
    };
    writeAll(dir / "rusrina.ini", withShow(0));
    for (int round = 0; round < 16; ++round) {
        killWhileSaving(
            [&](int done) {
                SettingsFile settings(dir / "rusrina.ini");
                for (int i = 1;; ++i) {
                    settings.writeSetting("Damage", "show", i % 2);
                    settings.flush();
                    reportSave(done);
                }
            },
            std::chrono::microseconds(round * 60));
        const std::string text = readAll(dir / "rusrina.ini");
        ASSERT_TRUE(text == withShow(0) || text == withShow(1)) << "round " << round;
        SettingsFile settings(dir / "rusrina.ini");
        settings.applyVersionRule();
        EXPECT_EQ(settings.readSetting("Search", "left", 0), 40);
    }
}

// A settings file of random bytes, or one that is a directory or a fifo: every read gives its
// default without waiting; random bytes start over as a fresh file, the others are left alone.
TEST(BrokenSettingsFile, RandomBytesDirectoryOrFifo) {
    TempDir dir;
    for (unsigned seed : {1u, 2u, 3u}) {
        for (std::size_t size : {std::size_t{1}, std::size_t{200}, std::size_t{5000}, std::size_t{70000}}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(size) + " bytes");
            const std::string noise = randomBytes(size, seed);
            writeAll(dir / "rusrina.ini", noise);
            SettingsFile settings(dir / "rusrina.ini");
            EXPECT_EQ(settings.readSetting("Main", "Version", 1), 1);
            EXPECT_EQ(settings.readSetting("DataView", "clevel", 49), 49);
            settings.writeSetting("DataView", "clevel", 12);
            EXPECT_EQ(settings.readSetting("DataView", "clevel", 49), 12);
            settings.applyVersionRule();
            settings.flush();
            EXPECT_EQ(readAll(dir / "rusrina.ini"), kFreshSettings);
        }
    }

    // Reading must not wait for a writer on a fifo. A fifo or a directory cannot be read as a
    // settings file, so it is not one: it stays as it is and every setting keeps its default.
    fs::remove(dir / "rusrina.ini");
    fs::create_directory(dir / "empty.ini");
    fs::create_directories(dir / "full.ini" / "inside");
    ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
    ::alarm(20); // a read that waits would hang here; the alarm ends the test instead
    for (const char* name : {"fifo.ini", "empty.ini", "full.ini"}) {
        SCOPED_TRACE(name);
        SettingsFile settings(dir / name);
        EXPECT_EQ(settings.readSetting("Main", "Version", 1), 1);
        settings.applyVersionRule();
        settings.writeSetting("Search", "show", 1);
        EXPECT_EQ(settings.readSetting("Search", "show", 0), 0);
        EXPECT_TRUE(settings.flush().ok);
        EXPECT_FALSE(fs::is_regular_file(dir / name));
        EXPECT_TRUE(contains(settings.loadProblemText(), (dir / name).string()));
    }
    ::alarm(0);
    EXPECT_TRUE(fs::is_directory(dir / "full.ini" / "inside"));
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"empty.ini", "fifo.ini", "full.ini"}));
}

// A default box file that cannot be read as a file: the box starts empty with a message naming
// the file, and a save refuses to replace what it could not read; the box goes under another name.
TEST(BrokenBoxFile, NotAFileOrUnreadable) {
    TempDir dir;
    writeAll(dir / "plain", "x");
    fs::create_directory(dir / "folder.vbd");
    ASSERT_EQ(::mkfifo((dir / "fifo.vbd").c_str(), 0600), 0);
    struct Case {
        const char* what;
        fs::path path;
    };
    std::vector<Case> cases = {
        {"a directory", dir / "folder.vbd"},
        {"a fifo", dir / "fifo.vbd"},
        {"below a regular file", dir / "plain" / "rusrina.vbd"},
        {"a file whose reading fails", "/proc/self/mem"},
    };
    if (::geteuid() != 0) { // permission bits do not stop root
        writeAll(dir / "locked.vbd", imageOf(namedBox(2)));
        fs::permissions(dir / "locked.vbd", fs::perms::none);
        cases.push_back({"a file without read permission", dir / "locked.vbd"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoxFile file(c.path);
        Box box = namedBox(4);
        LoadResult r = file.load(box);
        EXPECT_EQ(r.status, LoadResult::Status::Unreadable);
        EXPECT_EQ(box.count(), 0);
        EXPECT_TRUE(contains(r.message, c.path.string())) << r.message;
        EXPECT_TRUE(contains(loadSummaryText(r, file.backupPath()), "別の名前を付けて保存します"));
        const SaveResult saved = file.save(namedBox(1));
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.problem, SaveProblem::NeedsNewName);
    }
    EXPECT_TRUE(fs::is_empty(dir / "folder.vbd"));
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.vbd"));
    EXPECT_EQ(readAll(dir / "plain"), "x");
    std::set<std::string> expected = {"plain", "folder.vbd", "fifo.vbd"};
    if (::geteuid() != 0)
        expected.insert("locked.vbd");
    EXPECT_EQ(namesIn(dir.path()), expected);
}
