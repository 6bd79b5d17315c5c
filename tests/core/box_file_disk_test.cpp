// The box file against what else happens on the disk: another program writing it, links where
// the file, its backup or its recovery copy should be, a file without write permission, and one
// that cannot be read. In each the user's data stays somewhere whole.

#include "format/box_file.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sys/stat.h>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

// What another program does to the file between this one's load and save: a change of any kind
// stops the save until the user says to overwrite; a file gone is simply written again.
TEST(BoxFileOnDisk, ASaveNoticesAFileChangedSinceItWasLoaded) {
    TempDir dir;
    const fs::path path = dir / "rusrina.vbd";
    struct Case {
        const char* what;
        bool fileAtLoad;
        std::function<void()> meanwhile;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", true, [] {}, false},
        {"another box saved", true, [&] { writeAll(path, imageOf(namedBox(2))); }, true},
        {"same size, other bytes", true,
         [&] {
             std::string bytes = readAll(path);
             bytes[kBoxFileBytes - 1] = 'x';
             writeAll(path, bytes);
         },
         true},
        {"only touched", true, [&] { fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(5)); },
         true},
        {"removed", true, [&] { fs::remove(path); }, false},
        {"created where there was none", false, [&] { writeAll(path, imageOf(namedBox(1))); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(path);
        if (c.fileAtLoad)
            writeAll(path, imageOf(namedBox(4)));
        BoxFile file(path);
        Box box;
        file.load(box);
        c.meanwhile();
        const std::string onDisk = fs::exists(path) ? readAll(path) : "";
        const SaveResult r = file.save(namedBox(3));
        EXPECT_EQ(r.ok, !c.changed) << r.message;
        if (c.changed) {
            EXPECT_EQ(r.problem, SaveProblem::ChangedOnDisk);
            EXPECT_NE(r.message.find(path.string()), std::string::npos) << r.message;
            EXPECT_EQ(readAll(path), onDisk);
            EXPECT_TRUE(file.save(namedBox(3), SaveCheck::Overwrite).ok);
        }
        EXPECT_EQ(readAll(path), imageOf(namedBox(3)));
        EXPECT_TRUE(file.save(namedBox(5)).ok); // its own save is the file it knows now
    }
}

// The backup of a file with bad records replaces a link in its place, never the file the link
// names, and an older backup is kept as .bak.1.
TEST(BoxFileOnDisk, BackupNeverFollowsALinkAndKeepsThePreviousOne) {
    TempDir dir;
    const std::string fixture = readAll(fs::path(RUSRINA_TEST_DATA_DIR) / "box_mixed.vbd");
    writeAll(dir / "victim", "someone else's file");
    for (const bool linkThere : {true, false}) {
        SCOPED_TRACE(linkThere ? "a link where the backup goes" : "an older backup");
        fs::remove(dir / "rusrina.vbd.bak");
        fs::remove(dir / "rusrina.vbd.bak.1");
        if (linkThere)
            fs::create_symlink("victim", dir / "rusrina.vbd.bak");
        else
            writeAll(dir / "rusrina.vbd.bak", "older backup");
        writeAll(dir / "rusrina.vbd", fixture);
        BoxFile file(dir / "rusrina.vbd");
        Box box;
        ASSERT_EQ(file.load(box).invalidRecords, 1);
        ASSERT_TRUE(file.save(box).ok);
        EXPECT_FALSE(fs::is_symlink(dir / "rusrina.vbd.bak"));
        EXPECT_EQ(readAll(dir / "rusrina.vbd.bak"), fixture);
        EXPECT_EQ(fs::is_symlink(dir / "rusrina.vbd.bak.1"), linkThere);
        EXPECT_EQ(readAll(dir / "rusrina.vbd.bak.1"), linkThere ? "someone else's file" : "older backup");
        EXPECT_EQ(readAll(dir / "victim"), "someone else's file");
    }
}

// A box file without write permission is not replaced; saved under another name, the box keeps
// that name for the saves that follow.
TEST(BoxFileOnDisk, ReadOnlyFileIsKeptAndTheBoxGoesUnderAnotherName) {
    TempDir dir;
    const std::string previous = imageOf(namedBox(2));
    writeAll(dir / "rusrina.vbd", previous);
    fs::permissions(dir / "rusrina.vbd", fs::perms(0444));
    BoxFile file(dir / "rusrina.vbd");
    Box box;
    file.load(box);
    const SaveResult r = file.save(namedBox(3));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.problem, SaveProblem::ReadOnly);
    EXPECT_EQ(readAll(dir / "rusrina.vbd"), previous);

    ASSERT_TRUE(file.saveAs(namedBox(3), dir / "mine.vbd").ok);
    EXPECT_EQ(file.path(), dir / "mine.vbd");
    ASSERT_TRUE(file.save(namedBox(4)).ok);
    EXPECT_EQ(readAll(dir / "mine.vbd"), imageOf(namedBox(4)));
    EXPECT_EQ(readAll(dir / "rusrina.vbd"), previous);
}

// A box file that cannot be read is never replaced, not even by a save under its own name: the
// box goes elsewhere. A link to nothing is a box not saved yet, and its save creates the file.
TEST(BoxFileOnDisk, UnreadableOrDanglingBoxFile) {
    TempDir dir;
    fs::create_directory(dir / "folder.vbd");
    BoxFile unreadable(dir / "folder.vbd");
    Box box;
    EXPECT_EQ(unreadable.load(box).status, LoadResult::Status::Unreadable);
    EXPECT_EQ(unreadable.saveAs(namedBox(1), dir / "folder.vbd").problem, SaveProblem::NeedsNewName);
    ASSERT_TRUE(unreadable.saveAs(namedBox(1), dir / "elsewhere.vbd").ok);
    EXPECT_FALSE(unreadable.needsNewName());
    EXPECT_TRUE(fs::is_empty(dir / "folder.vbd"));

    fs::create_symlink("later.vbd", dir / "rusrina.vbd");
    BoxFile dangling(dir / "rusrina.vbd");
    EXPECT_EQ(dangling.load(box).status, LoadResult::Status::Missing);
    ASSERT_TRUE(dangling.save(namedBox(2)).ok);
    EXPECT_TRUE(fs::is_symlink(dir / "rusrina.vbd"));
    EXPECT_EQ(readAll(dir / "later.vbd"), imageOf(namedBox(2)));
}

// The recovery copy is a file of its own beside the box file: a link in its place is replaced,
// and when the box file itself leads there, nothing is written at all.
TEST(BoxFileOnDisk, RecoveryFileNeverOverwritesTheBoxFile) {
    TempDir dir;
    const fs::path box = dir / "rusrina.vbd";
    const fs::path recovery = recoveryPathFor(box);
    EXPECT_EQ(recovery, dir / "rusrina.vbd.recovery");
    const std::string saved = imageOf(namedBox(2));
    writeAll(box, saved);

    fs::create_symlink("rusrina.vbd", recovery);
    ASSERT_TRUE(writeRecoveryFile(namedBox(5), recovery, box).ok);
    EXPECT_FALSE(fs::is_symlink(recovery));
    EXPECT_EQ(readAll(recovery), imageOf(namedBox(5)));
    EXPECT_EQ(readAll(box), saved);

    fs::remove(box);
    fs::create_symlink("rusrina.vbd.recovery", box);
    const SaveResult r = writeRecoveryFile(namedBox(6), recovery, box);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(readAll(recovery), imageOf(namedBox(5)));
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"rusrina.vbd", "rusrina.vbd.recovery"}));
}

// The backup and the recovery copy are as private as the box file they copy, whatever the copies
// there before allowed; a read-only box still leaves copies the program can replace.
TEST(BoxFileOnDisk, CopiesTakeTheBoxFilesPermissions) {
    const std::string fixture = readAll(fs::path(RUSRINA_TEST_DATA_DIR) / "box_mixed.vbd");
    const struct {
        fs::perms box, copies;
    } cases[] = {
        {fs::perms(0600), fs::perms(0600)}, {fs::perms(0640), fs::perms(0640)}, {fs::perms(0444), fs::perms(0644)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.box));
        TempDir dir;
        const fs::path path = dir / "rusrina.vbd";
        writeAll(path, fixture);
        writeAll(dir / "rusrina.vbd.bak", "an older backup, open to all");
        writeAll(dir / "rusrina.vbd.recovery", "an older recovery, open to all");
        fs::permissions(dir / "rusrina.vbd.bak", fs::perms(0666));
        fs::permissions(dir / "rusrina.vbd.recovery", fs::perms(0666));
        fs::permissions(path, c.box);
        BoxFile file(path);
        Box box;
        ASSERT_EQ(file.load(box).invalidRecords, 1);
        ASSERT_TRUE(writeRecoveryFile(box, recoveryPathFor(path), path).ok);
        EXPECT_EQ(fs::status(dir / "rusrina.vbd.recovery").permissions() & fs::perms::mask, c.copies);
        if (c.box == fs::perms(0444))
            continue; // a read-only box is not replaced, so no backup is made
        ASSERT_TRUE(file.save(box).ok);
        EXPECT_EQ(fs::status(dir / "rusrina.vbd.bak").permissions() & fs::perms::mask, c.copies);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, c.box);
    }
}
