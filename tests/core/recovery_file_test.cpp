// Recovery files: the info beside each (where its box came from), the names kept side by side and
// the order they are offered in, a change of the box file since, and what the offer says of a
// damaged or empty recovery.

#include "format/recovery_file.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace rusrina {
namespace {

namespace fs = std::filesystem;
using namespace testing;

RecoveryOrigin sampleOrigin(const fs::path& file) {
    return {.boxFile = file,
            .identity = {.regularFile = true,
                         .size = 147456,
                         .modifiedNs = 1765188000123456789,
                         .hash = 0xfedcba9876543210},
            .identityKnown = true,
            .writtenNs = 1765189000000000001};
}

// What is written reads back as it was, also a path with a line break, '%' and bytes past ASCII;
// anything else is no info file (the recovery then belongs to the box it lies beside).
TEST(RecoveryFile, InfoReadsBackAndNothingElseReadsAsOne) {
    for (const char* path : {"/home/u/rusrina.vbd", "/tmp/a%20b\nc/チーム.vbd"}) {
        const RecoveryOrigin origin = sampleOrigin(path);
        const std::string text = recoveryInfoText(origin);
        EXPECT_EQ(text.find('\n'), text.find("\nwritten=")) << "one line per field";
        EXPECT_EQ(parseRecoveryInfo(text), origin);
    }
    const std::string good = recoveryInfoText(sampleOrigin("/b/rusrina.vbd"));
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string bad[] = {
        "",
        good.substr(0, good.size() - 1), // cut before its last line end
        good + "more=1\n",
        replaced("rusrina recovery 1", "rusrina recovery 2"),
        replaced("file=/b/", "file=b/"), // a relative path
        replaced("file=/b/", "file=/b%0"),
        replaced("file=/b/", "file=/b%00/"),
        replaced("exists=1", "exists=2"),
        replaced("size=147456", "size=-1"),
        replaced("size=147456", "size=99999999999999999999999"),
        replaced("hash=fedcba9876543210", "hash=fedcba987654321"),
        replaced("hash=fedcba9876543210", "hash=fedcba987654321g"),
        replaced("mtime=", "mtime=x"),
    };
    for (const std::string& text : bad)
        EXPECT_EQ(parseRecoveryInfo(text), std::nullopt) << text;
}

// Recoveries lie beside the box file under numbered names, are found by those names alone and
// offered newest first by the time their info gives (their own time without one).
TEST(RecoveryFile, KeptSideBySideAndFoundNewestFirst) {
    TempDir dir;
    const fs::path box = dir / "rusrina.vbd";
    writeAll(box, imageOf(namedBox(3)));
    EXPECT_EQ(freeRecoveryPath(box), dir / "rusrina.vbd.recovery");
    const int written[] = {2, 1, 3}; // how long ago, in hours, the first, second, third was written
    for (int i = 0; i < 3; ++i) {
        const fs::path path = freeRecoveryPath(box);
        RecoveryOrigin origin = sampleOrigin(box);
        origin.writtenNs -= written[i] * 3600LL * 1000000000;
        ASSERT_TRUE(writeRecovery(namedBox(i + 1), path, box, origin).ok);
        EXPECT_EQ(readAll(path), imageOf(namedBox(i + 1))) << "a box file any reader reads";
    }
    // Names that are not recoveries of this box, and one without an info file (its own time: now).
    for (const char* other : {"rusrina.vbd.recovery-0", "rusrina.vbd.recovery-x", "rusrina.vbd.recovery-02",
                              "rusrina.vbd.recovery.tmp99-1", "other.vbd.recovery", "rusrina.vbd.recovery-2.info.tmp"})
        writeAll(dir / other, imageOf(namedBox(7)));
    writeAll(dir / "rusrina.vbd.recovery-9", imageOf(namedBox(4)));

    std::vector<std::string> found;
    for (const Recovery& r : findRecoveries(box))
        found.push_back(r.path.filename().string() + " " + std::to_string(r.load.count));
    EXPECT_EQ(found, (std::vector<std::string>{"rusrina.vbd.recovery-9 4", "rusrina.vbd.recovery-2 2",
                                               "rusrina.vbd.recovery 1", "rusrina.vbd.recovery-3 3"}));
    EXPECT_EQ(freeRecoveryPath(box), dir / "rusrina.vbd.recovery-4");
    removeRecovery(dir / "rusrina.vbd.recovery-2");
    EXPECT_FALSE(fs::exists(dir / "rusrina.vbd.recovery-2.info"));
    EXPECT_EQ(freeRecoveryPath(box), dir / "rusrina.vbd.recovery-2");
    // A recovery is never written over the box file it belongs to.
    EXPECT_FALSE(writeRecovery(namedBox(1), box, dir / "x.vbd", sampleOrigin(box)).ok);
    EXPECT_EQ(readAll(box), imageOf(namedBox(3)));
}

// Each claim takes a name of its own, past anything that has one (a link too), so two programs
// ending at once never share a recovery.
TEST(RecoveryFile, EachClaimTakesANameOfItsOwn) {
    TempDir dir;
    const fs::path box = dir / "rusrina.vbd";
    fs::create_symlink(dir / "gone", dir / "rusrina.vbd.recovery-2");
    EXPECT_EQ(claimRecoveryPath(box), dir / "rusrina.vbd.recovery");
    EXPECT_EQ(claimRecoveryPath(box), dir / "rusrina.vbd.recovery-3");
    EXPECT_EQ(freeRecoveryPath(box), dir / "rusrina.vbd.recovery-4");
    EXPECT_FALSE(fs::exists(dir / "gone"));
    EXPECT_EQ(claimRecoveryPath(dir / "missing" / "rusrina.vbd"), fs::path());
}

// A change of the box file since its identity was taken is a change; a file gone is not; one there
// with no identity known is.
TEST(RecoveryFile, OriginChangedSince) {
    TempDir dir;
    const fs::path box = dir / "rusrina.vbd";
    writeAll(box, imageOf(namedBox(3)));
    RecoveryOrigin origin{.boxFile = box, .identity = fileIdentity(box), .identityKnown = true};
    EXPECT_FALSE(recoveryOriginChanged(origin));
    writeAll(box, imageOf(namedBox(4)));
    EXPECT_TRUE(recoveryOriginChanged(origin));
    origin.identityKnown = false;
    origin.identity = fileIdentity(box);
    EXPECT_TRUE(recoveryOriginChanged(origin));
    fs::remove(box);
    EXPECT_FALSE(recoveryOriginChanged(origin));
}

// The offer names the recovery, its box file and time, and says how many entries it holds and how
// many could not be read: a random, truncated or empty file says so before anything is restored.
TEST(RecoveryFile, OfferSaysWhatCouldNotBeRead) {
    TempDir dir;
    const fs::path box = dir / "team2.vbd";
    const std::string whole = imageOf(namedBox(3));
    std::string random(kBoxFileBytes, '\0');
    for (std::size_t i = 0; i < 4 * sizeof(BoxEntry); ++i)
        random[i] = static_cast<char>(i * 37 + 11);
    const struct {
        const char* what;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"whole", whole, "登録: 3 件\n復元"},
        {"truncated in its third record", whole.substr(0, 2 * sizeof(BoxEntry) + 10),
         "登録: 2 件\n読み込めないデータ 1 件は復元されません。"},
        {"random", random, "登録: 0 件\n読み込めないデータ 4 件は復元されません。"},
        {"empty", "", "登録: 0 件\n復元"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path path = recoveryPathFor(box);
        writeAll(path, c.bytes);
        RecoveryOrigin origin = sampleOrigin(box);
        writeAll(recoveryInfoPath(path), recoveryInfoText(origin));
        const Recovery recovery = readRecovery(path, dir / "rusrina.vbd");
        EXPECT_EQ(recovery.origin, origin);
        const std::string text = recoveryOfferText(recovery, 2, 3);
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_NE(text.find("（2 / 3）"), std::string::npos);
        EXPECT_NE(text.find(path.string()), std::string::npos);
        EXPECT_NE(text.find("元のファイル: " + box.string()), std::string::npos);
    }
}

// A restored box is saved only to a box file of the recovery's own folder, reached without a link;
// an info naming anything else (another folder, a link, "..", a directory) is not taken.
TEST(RecoveryFile, RestoreTargetIsABoxFileOfItsOwnFolder) {
    TempDir dir;
    TempDir outside;
    const fs::path opened = dir / "rusrina.vbd";
    writeAll(dir / "team2.vbd", "");
    writeAll(outside / "x.vbd", "");
    fs::create_symlink(outside / "x.vbd", dir / "link.vbd");
    fs::create_symlink(dir / "gone", dir / "dangling.vbd");
    fs::create_directory(dir / "folder.vbd");
    fs::create_directory(dir / "sub");
    const struct {
        fs::path target;
        bool allowed;
    } cases[] = {
        {opened, true},
        {dir / "team2.vbd", true},
        {dir / "new.vbd", true},
        {dir / "rusrina.ini", false},
        {dir / "sub" / "team.vbd", false},
        {outside / "x.vbd", false},
        {outside / "autostart" / "x.desktop", false},
        {dir / "sub" / ".." / "team2.vbd", false},
        {dir / "." / "team2.vbd", false},
        {dir / "link.vbd", false},
        {dir / "dangling.vbd", false},
        {dir / "folder.vbd", false},
        {"team2.vbd", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(restoreTargetAllowed(c.target, opened), c.allowed) << c.target;
}

} // namespace
} // namespace rusrina
