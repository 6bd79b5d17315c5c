#include "format/box_file.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

namespace {

// Fixtures written independently of this program (so a layout mistake here cannot hide):
// box_mixed.vbd, six records: 0 "ピカチュウ" species 24; 1 "bad" species 663; 2 a name whose bytes
// 82 A0 FF 80 are not all Shift-JIS, species 150; 3 "Direct" with statsDirect 1 and IVs up to 255;
// 4 empty; 5 "after" behind the empty record. box_truncated.vbd: records 0 and 3, then the first
// 100 bytes of record 2.
const fs::path kFixtures = RUSRINA_TEST_DATA_DIR;
const std::string kPikachu = "\x83\x73\x83\x4A\x83\x60\x83\x85\x83\x45";
const std::string kBadSjis = "\x82\xA0\xFF\x80";

std::string record(const std::string& file, int index) {
    return file.substr(index * sizeof(BoxEntry), sizeof(BoxEntry));
}

std::string slotBytes(const Box& box, int slot) {
    return entryBytes(box.entry(slot));
}

} // namespace

TEST(BoxFileLoad, FixtureWithOneBadRecord) {
    TempDir dir;
    fs::copy_file(kFixtures / "box_mixed.vbd", dir / "rusrina.vbd");
    BoxFile file(dir / "rusrina.vbd");
    Box box;
    LoadResult r = file.load(box);
    EXPECT_EQ(r.status, LoadResult::Status::Loaded);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.invalidRecords, 1);
    EXPECT_TRUE(file.backupPending());
    ASSERT_EQ(box.count(), 3);

    const std::string fixture = readAll(kFixtures / "box_mixed.vbd");
    EXPECT_EQ(slotBytes(box, 0), record(fixture, 0));
    EXPECT_EQ(slotBytes(box, 1), record(fixture, 2));
    EXPECT_EQ(slotBytes(box, 2), record(fixture, 3));

    // Field by field, as written by a tool that knows nothing of this program's structs.
    const BoxEntry& pikachu = box.entry(0);
    EXPECT_EQ(entryNameUtf8(pikachu), "ピカチュウ");
    EXPECT_EQ(std::vector<int>({pikachu.species, pikachu.level, pikachu.nature, pikachu.ability, pikachu.item,
                                pikachu.statsDirect, pikachu.iv[5], pikachu.ev[1], pikachu.stat[0], pikachu.stat[5],
                                pikachu.move[0], pikachu.move[3]}),
              std::vector<int>({24, 50, 3, 9, 16, 0, 31, 252, 167, 156, 84, NO_MOVE}));
    EXPECT_EQ(entryName(box.entry(1)), kBadSjis);
    const BoxEntry& direct = box.entry(2);
    EXPECT_EQ(direct.statsDirect, 1);
    EXPECT_EQ(direct.iv[0], 255); // kept although a direct entry's IVs mean nothing
}

TEST(BoxFileLoad, AnyLength) {
    const std::string full = imageOf(namedBox(kBoxCapacity));
    struct Case {
        std::size_t size;
        int count;
        int invalid;
        bool backup;
    } cases[] = {
        {0, 0, 0, false},
        {1, 0, 1, true},
        {143, 0, 1, true},
        {144, 1, 0, false},
        {145, 1, 1, true},
        {144 * 10, 10, 0, false},
        {kBoxFileBytes - 1, 1023, 1, true},
        {kBoxFileBytes, 1024, 0, false},
        {kBoxFileBytes + 1, 1024, 0, true},
        {kBoxFileBytes * 8, 1024, 0, true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string bytes = full;
        bytes.resize(c.size, '\x5A'); // anything past one box is never read
        writeAll(dir / "rusrina.vbd", bytes);
        BoxFile file(dir / "rusrina.vbd");
        Box box = namedBox(3);
        LoadResult r = file.load(box);
        EXPECT_EQ(r.status, LoadResult::Status::Loaded) << c.size;
        EXPECT_EQ(r.count, c.count) << c.size;
        EXPECT_EQ(box.count(), c.count) << c.size;
        EXPECT_EQ(r.invalidRecords, c.invalid) << c.size;
        EXPECT_EQ(file.backupPending(), c.backup) << c.size;
        EXPECT_FALSE(box.entry(box.count()).inUse()) << c.size;
    }
}

TEST(BoxFileLoad, RandomBytesNeverYieldAnInvalidEntry) {
    std::mt19937 rng(20240611);
    const std::string good = imageOf(namedBox(kBoxCapacity));
    for (int round = 0; round < 60; ++round) {
        // Half the files are pure noise, half are good records with a few bytes flipped, so that
        // both valid and invalid records occur.
        std::string bytes;
        std::size_t size = std::uniform_int_distribution<std::size_t>(0, kBoxFileBytes + 500)(rng);
        if (round % 2 == 0) {
            bytes.resize(size);
            for (char& b : bytes)
                b = static_cast<char>(rng());
        } else {
            bytes = good;
            bytes.resize(size, '\x01');
            for (int flips = 0; flips < 300 && !bytes.empty(); ++flips)
                bytes[rng() % bytes.size()] = static_cast<char>(rng());
        }
        TempDir dir;
        writeAll(dir / "rusrina.vbd", bytes);
        BoxFile file(dir / "rusrina.vbd");
        Box box;
        LoadResult r = file.load(box);
        ASSERT_EQ(r.count, box.count());
        for (int slot = 0; slot < box.count(); ++slot)
            ASSERT_TRUE(isValidEntry(box.entry(slot))) << "round " << round << " slot " << slot;
        ASSERT_FALSE(box.entry(box.count()).inUse());
        // Every in-use record before the first empty name is either loaded or counted.
        int prefix = 0;
        while (prefix < kBoxCapacity && prefix * sizeof(BoxEntry) < bytes.size() &&
               bytes[prefix * sizeof(BoxEntry)] != 0)
            ++prefix;
        EXPECT_EQ(r.count + r.invalidRecords, prefix) << "round " << round;
    }
}

TEST(BoxFileLoad, MissingOrUnreadableStartsEmpty) {
    TempDir dir;
    Box box = namedBox(5);
    BoxFile missing(dir / "rusrina.vbd");
    LoadResult r = missing.load(box);
    EXPECT_EQ(r.status, LoadResult::Status::Missing);
    EXPECT_EQ(box.count(), 0);
    EXPECT_FALSE(missing.backupPending());
    EXPECT_TRUE(r.message.empty());

    // A directory where the file should be: empty box, and the save will not replace it blindly.
    fs::create_directory(dir / "rusrina.vbd");
    box = namedBox(5);
    BoxFile unreadable(dir / "rusrina.vbd");
    r = unreadable.load(box);
    EXPECT_EQ(r.status, LoadResult::Status::Unreadable);
    EXPECT_EQ(box.count(), 0);
    EXPECT_TRUE(unreadable.backupPending());
    EXPECT_NE(r.message.find((dir / "rusrina.vbd").string()), std::string::npos) << r.message;
    EXPECT_FALSE(unreadable.save(namedBox(1)).ok);
    EXPECT_TRUE(fs::is_directory(dir / "rusrina.vbd"));
}

TEST(BoxFileSave, EmptyBoxIsZeroBytesAndLoadsEmpty) {
    TempDir dir;
    BoxFile file(dir / "rusrina.vbd");
    SaveResult s = file.save(Box{});
    EXPECT_TRUE(s.ok) << s.message;
    EXPECT_EQ(readAll(dir / "rusrina.vbd"), std::string(kBoxFileBytes, '\0'));
    Box box = namedBox(2);
    EXPECT_EQ(file.load(box).count, 0);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"rusrina.vbd"});
}

TEST(BoxFileSave, FullBoxRoundTripsByteForByte) {
    TempDir dir;
    Box box = namedBox(kBoxCapacity);
    box.replace(7, makeEntry(kBadSjis + "\x81", 662));
    BoxFile file(dir / "rusrina.vbd");
    ASSERT_TRUE(file.save(box).ok);
    EXPECT_EQ(readAll(dir / "rusrina.vbd"), imageOf(box));

    Box loaded;
    LoadResult r = file.load(loaded);
    EXPECT_EQ(r.count, kBoxCapacity);
    EXPECT_EQ(r.invalidRecords, 0);
    EXPECT_EQ(imageOf(loaded), imageOf(box));
    EXPECT_EQ(entryName(loaded.entry(7)), kBadSjis + "\x81");
}

TEST(BoxFileSave, BadRecordsAreBackedUpOnceBeforeTheFirstSave) {
    TempDir dir;
    const std::string fixture = readAll(kFixtures / "box_mixed.vbd");
    fs::copy_file(kFixtures / "box_mixed.vbd", dir / "rusrina.vbd");
    BoxFile file(dir / "rusrina.vbd");
    Box box;
    file.load(box);
    ASSERT_TRUE(file.save(box).ok);
    EXPECT_EQ(readAll(file.backupPath()), fixture);
    EXPECT_EQ(file.backupPath(), dir / "rusrina.vbd.bak");
    EXPECT_FALSE(file.backupPending());

    const std::string saved = readAll(dir / "rusrina.vbd");
    ASSERT_EQ(saved.size(), kBoxFileBytes);
    EXPECT_EQ(record(saved, 0), record(fixture, 0));
    EXPECT_EQ(record(saved, 1), record(fixture, 2)); // name bytes that are not Shift-JIS, unchanged
    EXPECT_EQ(record(saved, 2), record(fixture, 3));
    EXPECT_EQ(record(saved, 3), std::string(sizeof(BoxEntry), '\0'));
    EXPECT_EQ(record(saved, 5), record(fixture, 5)); // data behind the first empty name is written back

    box.deleteEntry(0);
    ASSERT_TRUE(file.save(box).ok);
    EXPECT_EQ(readAll(file.backupPath()), fixture);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"rusrina.vbd", "rusrina.vbd.bak"}));
}

TEST(BoxFileSave, FailuresKeepThePreviousFileAndSayWhy) {
    TempDir dir;
    writeAll(dir / "file", "not a directory");
    fs::create_directory(dir / "dir.vbd");
    struct Case {
        const char* what;
        fs::path target;
        const char* reason;
    } cases[] = {
        {"parent is a regular file", dir / "file" / "rusrina.vbd", "Not a directory"},
        {"directory that takes no files", "/proc/self/rusrina.vbd", ""},
        {"target is a directory", dir / "dir.vbd", "Is a directory"},
    };
    for (const Case& c : cases) {
        SaveResult r = BoxFile(c.target).save(namedBox(3));
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_NE(r.message.find(c.target.string()), std::string::npos) << c.what << ": " << r.message;
        EXPECT_NE(r.message.find(c.reason), std::string::npos) << c.what << ": " << r.message;
    }
    EXPECT_EQ(readAll(dir / "file"), "not a directory");
    EXPECT_TRUE(fs::is_empty(dir / "dir.vbd"));
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"file", "dir.vbd"}));
}

TEST(BoxFileSave, WriteFailureMidwayKeepsThePreviousFile) {
    TempDir dir;
    const std::string previous = imageOf(namedBox(2));
    writeAll(dir / "rusrina.vbd", previous);

    // The file-size limit makes the write fail part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    SaveResult r = BoxFile(dir / "rusrina.vbd").save(namedBox(kBoxCapacity));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("File too large"), std::string::npos) << r.message;
    EXPECT_EQ(readAll(dir / "rusrina.vbd"), previous);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"rusrina.vbd"});
}

TEST(BoxFileSave, BackupFailureStopsTheSave) {
    TempDir dir;
    const std::string fixture = readAll(kFixtures / "box_mixed.vbd");
    writeAll(dir / "rusrina.vbd", fixture);
    fs::create_directory(dir / "rusrina.vbd.bak");
    BoxFile file(dir / "rusrina.vbd");
    Box box;
    file.load(box);
    SaveResult r = file.save(box);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("rusrina.vbd.bak"), std::string::npos) << r.message;
    EXPECT_EQ(readAll(dir / "rusrina.vbd"), fixture);
    EXPECT_TRUE(file.backupPending());

    fs::remove(dir / "rusrina.vbd.bak");
    EXPECT_TRUE(file.save(box).ok);
    EXPECT_EQ(readAll(dir / "rusrina.vbd.bak"), fixture);
}

TEST(BoxFileSave, KeepsLinkAndPermissions) {
    TempDir dir;
    writeAll(dir / "real.vbd", "old");
    fs::permissions(dir / "real.vbd", fs::perms(0640));
    fs::create_symlink("real.vbd", dir / "rusrina.vbd");
    Box box = namedBox(3);
    ASSERT_TRUE(BoxFile(dir / "rusrina.vbd").save(box).ok);
    EXPECT_TRUE(fs::is_symlink(dir / "rusrina.vbd"));
    EXPECT_EQ(readAll(dir / "real.vbd"), imageOf(box));
    EXPECT_EQ(fs::status(dir / "real.vbd").permissions(), fs::perms(0640));
}

TEST(BoxImport, AppendsNewRecordsAndCountsTheRest) {
    TempDir dir;
    Box box;
    box.add(makeEntry(kPikachu, 24)); // present: same name bytes and species
    box.add(makeEntry("Direct", 1));  // same name, other species: not present
    ImportResult r = importBoxFile(box, kFixtures / "box_mixed.vbd");
    EXPECT_EQ(r.status, ImportResult::Status::Imported);
    EXPECT_EQ(r.firstAddedSlot, 2);
    EXPECT_EQ(r.added, 3); // records 2, 3 and 5: every named record is visited, also past an empty one
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(r.invalid, 1);
    EXPECT_EQ(r.noRoom, 0);
    ASSERT_EQ(box.count(), 5);
    EXPECT_EQ(entryName(box.entry(2)), kBadSjis);
    EXPECT_EQ(entryName(box.entry(3)), "Direct");
    EXPECT_EQ(box.entry(3).species, 0);
    EXPECT_EQ(entryName(box.entry(4)), "after");

    // Importing the same file again adds nothing.
    r = importBoxFile(box, kFixtures / "box_mixed.vbd");
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(r.present, 4);
    EXPECT_EQ(box.count(), 5);
}

TEST(BoxImport, StopsAddingWhenFull) {
    TempDir dir;
    Box file;
    for (const char* n : {"a", "b", "a", "c", "d"})
        file.add(makeEntry(n));
    file.replace(2, makeEntry("a")); // a duplicate within the file counts as present once added
    writeAll(dir / "in.vbd", imageOf(file));
    Box box = namedBox(kBoxCapacity - 2);
    ImportResult r = importBoxFile(box, dir / "in.vbd");
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(r.noRoom, 2);
    EXPECT_EQ(box.count(), kBoxCapacity);
    EXPECT_EQ(entryName(box.entry(kBoxCapacity - 2)), "a");
    EXPECT_EQ(entryName(box.entry(kBoxCapacity - 1)), "b");
}

TEST(BoxImport, FilesThatCannotBeReadAreOpenFailures) {
    TempDir dir;
    fs::create_directory(dir / "folder.vbd");
    ASSERT_EQ(::mkfifo((dir / "fifo.vbd").c_str(), 0600), 0);
    const fs::path paths[] = {dir / "missing.vbd", dir / "folder.vbd", dir / "fifo.vbd", "/dev/zero",
                              dir / "missing" / "x.vbd"};
    for (const fs::path& p : paths) {
        Box box = namedBox(3);
        ImportResult r = importBoxFile(box, p);
        EXPECT_EQ(r.status, ImportResult::Status::OpenFailed) << p;
        EXPECT_EQ(box.count(), 3) << p;
        // The program's own text, then the file with its full path and the reason.
        EXPECT_EQ(importSummaryText(r).rfind("ファイルオープン失敗\n" + fs::absolute(p).string() + " (", 0), 0u)
            << importSummaryText(r);
    }
}

TEST(BoxImport, EmptyAndTruncatedFiles) {
    TempDir dir;
    writeAll(dir / "empty.vbd", "");
    Box box = namedBox(1);
    ImportResult r = importBoxFile(box, dir / "empty.vbd");
    EXPECT_EQ(r.status, ImportResult::Status::Imported);
    EXPECT_EQ(r.added + r.present + r.invalid + r.noRoom, 0);

    r = importBoxFile(box, kFixtures / "box_truncated.vbd");
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.invalid, 1);
    EXPECT_EQ(box.count(), 3);
}

TEST(BoxFileTexts, SummariesForTheWindow) {
    ImportResult imported{ImportResult::Status::Imported, 4, 3, 0, 0, 0};
    EXPECT_EQ(importSummaryText(imported), "3 件追加しました。");
    imported = {ImportResult::Status::Imported, 4, 1, 2, 3, 4};
    EXPECT_EQ(importSummaryText(imported), "1 件追加しました。\n登録済みの 2 件は追加しませんでした。\n"
                                           "不正なデータ 3 件は読み込みませんでした。\n"
                                           "ボックスが一杯のため 4 件を追加できませんでした。");
    LoadResult loaded{LoadResult::Status::Loaded, 5, 0, {}};
    EXPECT_EQ(loadSummaryText(loaded, "rusrina.vbd.bak"), "");
    loaded.invalidRecords = 2;
    EXPECT_EQ(loadSummaryText(loaded, "rusrina.vbd.bak"),
              "ボックスファイルの不正なデータ 2 件を読み込みませんでした。\n"
              "保存するときは元のファイルを rusrina.vbd.bak に残します。");
}
