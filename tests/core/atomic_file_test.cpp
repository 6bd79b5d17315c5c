// The writer every file of the program goes through: links, permissions, the previous copy kept
// aside, and the temporary files a killed run leaves behind.

#include "files/atomic_file.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

namespace {

// A process id that no process has any more: a child that has ended and been reaped.
pid_t goneProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

fs::perms permissionsOf(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

} // namespace

// Through a chain of links the file at its end is replaced, with its permissions; the links stay.
// A dangling link gets its file created; a loop is refused by name.
TEST(AtomicWrite, WritesThroughLinksToTheirFile) {
    TempDir dir;
    fs::create_directory(dir / "elsewhere");
    writeAll(dir / "elsewhere" / "real", "old");
    fs::permissions(dir / "elsewhere" / "real", fs::perms(0640));
    fs::create_symlink("elsewhere/real", dir / "first");       // relative to the link's directory
    fs::create_symlink(dir / "first", dir / "second");         // absolute, to another link
    fs::create_symlink("elsewhere/not-yet", dir / "dangling"); // names a file that does not exist
    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");

    ASSERT_TRUE(writeFileAtomically(dir / "second", "new").ok);
    EXPECT_EQ(readAll(dir / "elsewhere" / "real"), "new");
    EXPECT_EQ(permissionsOf(dir / "elsewhere" / "real"), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(dir / "first") && fs::is_symlink(dir / "second"));

    ASSERT_TRUE(writeFileAtomically(dir / "dangling", "made").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
    EXPECT_EQ(readAll(dir / "elsewhere" / "not-yet"), "made");

    const SaveResult loop = writeFileAtomically(dir / "loop-a", "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.message.find((dir / "loop-a").string()), std::string::npos) << loop.message;
    EXPECT_EQ(namesIn(dir.path()),
              (std::set<std::string>{"elsewhere", "first", "second", "dangling", "loop-a", "loop-b"}));
    EXPECT_EQ(namesIn(dir / "elsewhere"), (std::set<std::string>{"real", "not-yet"}));
}

// Not following links replaces the link itself and leaves the file it named alone; keeping the
// previous copy moves whatever stood there (a file or a link, never what a link names) aside.
TEST(AtomicWrite, ReplacesALinkAndKeepsThePreviousAside) {
    TempDir dir;
    writeAll(dir / "precious", "precious");
    fs::create_symlink("precious", dir / "copy");
    const WriteOptions aside{.followLinks = false, .keepPreviousAs = dir / "copy.1"};

    ASSERT_TRUE(writeFileAtomically(dir / "copy", "first", aside).ok);
    EXPECT_FALSE(fs::is_symlink(dir / "copy"));
    EXPECT_EQ(readAll(dir / "copy"), "first");
    EXPECT_TRUE(fs::is_symlink(dir / "copy.1"));
    EXPECT_EQ(readAll(dir / "precious"), "precious");

    ASSERT_TRUE(writeFileAtomically(dir / "copy", "second", aside).ok);
    EXPECT_EQ(readAll(dir / "copy"), "second");
    EXPECT_EQ(readAll(dir / "copy.1"), "first");
    EXPECT_EQ(readAll(dir / "precious"), "precious");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"precious", "copy", "copy.1"}));
}

// A file without write permission is never replaced, also where permission bits do not stop the
// process (root): the file keeps its bytes and the reason names it.
TEST(AtomicWrite, ReadOnlyFileIsNotReplaced) {
    TempDir dir;
    writeAll(dir / "locked", "keep");
    fs::permissions(dir / "locked", fs::perms(0444));
    fs::create_symlink("locked", dir / "link");
    for (const char* name : {"locked", "link"}) {
        SCOPED_TRACE(name);
        const SaveResult r = writeFileAtomically(dir / name, "lost");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.problem, SaveProblem::ReadOnly);
        EXPECT_NE(r.message.find((dir / "locked").string()), std::string::npos) << r.message;
    }
    EXPECT_EQ(readAll(dir / "locked"), "keep");
    EXPECT_TRUE(isReadOnlyFile(dir / "locked"));
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"locked", "link"}));
}

// Only this program's temporary files whose process is gone are removed at start.
TEST(StaleTemporaryFiles, OnlyOwnNamesOfEndedProcesses) {
    TempDir dir;
    const std::string gone = std::to_string(goneProcess());
    const std::string alive = std::to_string(::getppid());
    const std::set<std::string> removed = {"rusrina.vbd.tmp" + gone + "-1",
                                           "rusrina.ini.tmp" + gone + "-7",
                                           "other.vbd.tmp" + gone + "-2",
                                           "rusrina.vbd.bak.tmp" + gone + "-3",
                                           "rusrina.vbd.recovery.tmp" + gone + "-4",
                                           "rusrina.vbd.recovery-3.tmp" + gone + "-8",
                                           "rusrina.vbd.recovery.info.tmp" + gone + "-9",
                                           "rusrina.vbd.recovery-2.info.tmp" + gone + "-10"};
    const std::set<std::string> kept = {
        "rusrina.vbd.tmp" + alive + "-1", // its program still runs (perhaps saving right now)
        "notes.txt.tmp" + gone + "-1",    // not one of this program's files
        "notes.info.tmp" + gone + "-1",
        "rusrina.vbd.recovery-x.tmp" + gone + "-1",
        ".vbd.tmp" + gone + "-1", // no name before the suffix
        "rusrina.vbd.tmp" + gone, // not the pattern
        "rusrina.vbd.tmp" + gone + "-",
        "rusrina.vbd.tmpx-1",
        "rusrina.vbd.tmp-1-1",
        "rusrina.vbd",
    };
    for (const auto& name : removed)
        writeAll(dir.path() / name, "x");
    for (const auto& name : kept)
        writeAll(dir.path() / name, "x");
    fs::create_directory(dir.path() / ("dir.vbd.tmp" + gone + "-5"));
    fs::create_symlink("rusrina.vbd", dir.path() / ("link.vbd.tmp" + gone + "-6"));

    EXPECT_EQ(removeStaleTemporaryFiles(dir.path()), static_cast<int>(removed.size()));
    std::set<std::string> expected = kept;
    expected.insert("dir.vbd.tmp" + gone + "-5");
    expected.insert("link.vbd.tmp" + gone + "-6");
    EXPECT_EQ(namesIn(dir.path()), expected);
    EXPECT_EQ(removeStaleTemporaryFiles(dir / "missing"), 0);
}
