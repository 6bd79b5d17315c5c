#include "format/box_extension.h"

#include "box/box_edit.h"
#include "box_test_support.h"
#include "data/held_items.h"
#include "format/box_file.h"

#include <gtest/gtest.h>

using namespace rusrina;
using namespace rusrina::testing;
namespace fs = std::filesystem;

namespace {

const int kLeftovers = findHeldItem("Leftovers");  // row 0
const int kSilkScarf = findHeldItem("Silk Scarf"); // row 1
const int kChoiceBand = findHeldItem("Choice Band");

// An entry holding `heldItem`, its record's item field the row that item stands for.
std::pair<BoxEntry, EntryExtra> heldEntry(const std::string& name, int heldItem, EntryExtra extra = {}) {
    BoxEntry entry = makeEntry(name);
    const HeldItemFields fields = heldItemFields(heldItem);
    entry.item = fields.row;
    extra.heldItem = fields.heldItem;
    return {entry, extra};
}

// Four entries, each keeping something else beside its record, and one keeping nothing.
Box boxWithExtras() {
    Box box;
    const std::pair<BoxEntry, EntryExtra> entries[] = {
        heldEntry("a", kLeftovers, {.gender = Gender::Female}),
        heldEntry("b", kSilkScarf, {.happiness = 0}),
        heldEntry("c", kChoiceBand, {.shiny = true}),
        heldEntry("d", kNoHeldItem),
        heldEntry("e", kLeftovers, {.gender = Gender::Male, .happiness = 70, .shiny = true}),
    };
    for (const auto& [entry, extra] : entries)
        box.add(entry, extra);
    return box;
}

std::string savedBytes(const fs::path& path, const Box& box) {
    EXPECT_TRUE(BoxFile(path).save(box, SaveCheck::Overwrite).ok);
    return readAll(path);
}

} // namespace

TEST(EntryExtra, HeldItemFollowsTheRecordsRow) {
    const auto [leftovers, leftoversExtra] = heldEntry("x", kLeftovers);
    EXPECT_EQ(leftovers.item, 0);
    EXPECT_EQ(heldItemOf(leftovers, leftoversExtra), kLeftovers);
    EXPECT_EQ(heldItemOf(leftovers, {}), kNoHeldItem);
    // The row alone names こだわりハチマキ: nothing to keep beside it.
    const auto [band, bandExtra] = heldEntry("x", kChoiceBand);
    EXPECT_EQ(bandExtra, EntryExtra{});
    EXPECT_EQ(heldItemOf(band, bandExtra), kChoiceBand);
    // A record whose row changed after its extra was written keeps its row's item.
    BoxEntry edited = leftovers;
    edited.item = band.item;
    EXPECT_EQ(heldItemOf(edited, leftoversExtra), kChoiceBand);
    EXPECT_EQ(fittedExtra(edited, leftoversExtra), EntryExtra{});
    BoxEntry typeBoost = makeEntry("x");
    typeBoost.item = 1;
    EXPECT_EQ(heldItemOf(typeBoost, {}), -1);
}

TEST(BoxExtensionFile, RoundTripsAndLeavesTheRecordsAsTheyWere) {
    TempDir dir;
    const Box box = boxWithExtras();
    const std::string bytes = savedBytes(dir / "a.vbd", box);
    ASSERT_EQ(bytes.size(), kBoxFileBytes + kExtensionBlockBytes);
    EXPECT_EQ(bytes.substr(0, kBoxFileBytes), imageOf(box));
    EXPECT_EQ(bytes.substr(kBoxFileBytes, 8), "RUSRXTND");

    BoxFile file(dir / "a.vbd");
    Box loaded;
    const LoadResult r = file.load(loaded);
    EXPECT_EQ(r.count, 5);
    EXPECT_TRUE(r.extensionProblem.empty());
    EXPECT_FALSE(file.backupPending());
    EXPECT_EQ(loaded.extras(), box.extras());
    EXPECT_EQ(heldItemOf(loaded.entry(1), loaded.extra(1)), kSilkScarf);
    EXPECT_TRUE(file.save(loaded).ok);
    EXPECT_EQ(readAll(dir / "a.vbd"), bytes);

    // A reader of the records alone: the same entries, the block unseen.
    writeAll(dir / "records.vbd", bytes.substr(0, kBoxFileBytes));
    Box recordsOnly;
    BoxFile(dir / "records.vbd").load(recordsOnly);
    EXPECT_EQ(imageOf(recordsOnly), imageOf(box));

    // A box that keeps nothing more is written as ever, and a file that had a block keeps it.
    EXPECT_EQ(savedBytes(dir / "plain.vbd", recordsOnly).size(), kBoxFileBytes);
    BoxFile emptied(dir / "a.vbd");
    Box none;
    emptied.load(none);
    none.clear();
    EXPECT_TRUE(emptied.save(none).ok);
    EXPECT_EQ(readAll(dir / "a.vbd").size(), kBoxFileBytes + kExtensionBlockBytes);
}

TEST(BoxExtensionFile, DamagedBlockLosesNoRecord) {
    TempDir dir;
    const Box box = boxWithExtras();
    const std::string good = savedBytes(dir / "good.vbd", box);
    const auto damaged = [&](std::size_t at, char value) {
        std::string bytes = good;
        bytes[kBoxFileBytes + at] = value;
        return bytes;
    };
    const struct {
        const char* what;
        std::string bytes;
        std::string reason; // empty: no block at all, read as any longer file
    } cases[] = {
        {"version", damaged(8, 2), "このプログラムが読めない版 2 である"},
        {"record size", damaged(10, 17), "記録の大きさか数が合わない"},
        {"record count", damaged(13, 3), "記録の大きさか数が合わない"},
        {"checksum", damaged(kExtensionHeaderBytes + 17, 1), "チェックサムが合わない"},
        {"cut short", good.substr(0, good.size() - 1), "途中で切れている"},
        {"header cut", good.substr(0, kBoxFileBytes + 9), "途中で切れている"},
        {"tag", damaged(0, 'X'), "先頭の印が合わない"},
        {"garbage in place of the block", good.substr(0, kBoxFileBytes) + std::string(kExtensionBlockBytes, 'Z'),
         "先頭の印が合わない"},
        {"bytes behind", good + "x", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(dir / "rusrina.vbd", c.bytes);
        BoxFile file(dir / "rusrina.vbd");
        Box loaded;
        const LoadResult r = file.load(loaded);
        EXPECT_EQ(r.count, 5);
        EXPECT_EQ(imageOf(loaded), imageOf(box));
        EXPECT_EQ(r.extensionProblem, c.reason);
        EXPECT_TRUE(file.backupPending());
        if (!c.reason.empty()) {
            EXPECT_FALSE(loaded.hasExtras());
            EXPECT_NE(loadSummaryText(r, file.backupPath()).find(c.reason + "ため読み込みませんでした"),
                      std::string::npos);
        }
        EXPECT_TRUE(file.save(loaded).ok);
        EXPECT_EQ(readAll(file.backupPath()), c.bytes);
        fs::remove(file.backupPath());
    }
}

TEST(BoxExtensionFile, ItemTheRecordNoLongerStandsForIsDroppedWithABackup) {
    TempDir dir;
    Box box = boxWithExtras();
    std::string bytes = savedBytes(dir / "rusrina.vbd", box);
    // Another program set entry "a" to こだわりハチマキ in its record alone.
    const std::size_t itemField = offsetof(BoxEntry, item);
    bytes[itemField] = static_cast<char>(heldItemFields(kChoiceBand).row);
    writeAll(dir / "rusrina.vbd", bytes);
    BoxFile file(dir / "rusrina.vbd");
    Box loaded;
    file.load(loaded);
    EXPECT_EQ(heldItemOf(loaded.entry(0), loaded.extra(0)), kChoiceBand);
    EXPECT_EQ(loaded.extra(0).gender, Gender::Female);
    EXPECT_TRUE(file.backupPending());
}

// An extension record stays with the creature it was written for: one whose slot another program
// (knowing only the records) gave to another creature is left out and said, as is a value out of
// range; a block written before records were tied applies by slot, and loads without a backup.
TEST(BoxExtensionFile, ExtrasStayWithTheirCreature) {
    TempDir dir;
    const Box box = boxWithExtras();
    const std::string good = savedBytes(dir / "good.vbd", box);
    const auto recordAt = [](int slot) { return kBoxFileBytes + kExtensionHeaderBytes + slot * kExtensionRecordBytes; };
    const auto stamped = [](std::string bytes) {
        const std::size_t body = kBoxFileBytes + kExtensionBlockBytes - 4;
        const uint32_t crc = crc32Of(std::string_view(bytes).substr(kBoxFileBytes, kExtensionBlockBytes - 4));
        for (int i = 0; i < 4; ++i)
            bytes[body + i] = static_cast<char>(crc >> (8 * i));
        return bytes;
    };
    const auto swapped = [](std::string bytes) { // records "a" and "c" trade places
        std::swap_ranges(bytes.begin(), bytes.begin() + sizeof(BoxEntry), bytes.begin() + 2 * sizeof(BoxEntry));
        return bytes;
    };
    std::string untied = good; // as a block was written before records were tied
    for (int slot = 0; slot < kBoxCapacity; ++slot) {
        untied[recordAt(slot)] = static_cast<char>(untied[recordAt(slot)] & ~4);
        std::fill_n(untied.begin() + static_cast<std::ptrdiff_t>(recordAt(slot)) + 6, 4, '\0');
    }
    untied = stamped(untied);
    std::string renamed = good;
    renamed[sizeof(BoxEntry)] = 'q'; // "b" renamed in its record alone
    std::string outOfRange = good;
    outOfRange[recordAt(0) + 1] = 9; // a gender past the three
    const struct {
        const char* what;
        std::string bytes;
        int moved;
        int normalised;
        Gender firstGender;
        bool backup;
    } cases[] = {
        {"as written", good, 0, 0, Gender::Female, false},
        {"written before ties", untied, 0, 0, Gender::Female, false},
        {"records swapped", swapped(good), 2, 0, Gender::Unknown, true},
        // Only the held item, which the record's row no longer stands for, is left out.
        {"records swapped, written before ties", swapped(untied), 0, 0, Gender::Female, true},
        {"a record renamed", renamed, 1, 0, Gender::Female, true},
        {"a gender out of range", stamped(outOfRange), 0, 1, Gender::Unknown, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(dir / "rusrina.vbd", c.bytes);
        BoxFile file(dir / "rusrina.vbd");
        Box loaded;
        const LoadResult r = file.load(loaded);
        EXPECT_EQ(r.extensionProblem, "");
        EXPECT_EQ(r.movedExtras, c.moved);
        EXPECT_EQ(r.normalisedExtras, c.normalised);
        EXPECT_EQ(loaded.extra(0).gender, c.firstGender);
        EXPECT_EQ(file.backupPending(), c.backup);
        const std::string summary = loadSummaryText(r, file.backupPath());
        EXPECT_EQ(summary.find(" " + std::to_string(c.moved) + " 件は、ほかのプログラムが") != std::string::npos,
                  c.moved > 0);
        EXPECT_EQ(summary.find("範囲外の値") != std::string::npos, c.normalised > 0);
        Box imported;
        importBoxFile(imported, dir / "rusrina.vbd");
        EXPECT_EQ(imported.extras(), loaded.extras());
    }
}

TEST(BoxExtensionFile, ExtrasMoveWithTheirEntries) {
    const Box original = boxWithExtras();
    const auto extraOf = [](const Box& box, const char* name) {
        for (int slot = 0; slot < box.count(); ++slot) {
            if (entryName(box.entry(slot)) == name)
                return box.extra(slot);
        }
        return EntryExtra{.happiness = -1};
    };
    const auto keepsEveryExtra = [&](const Box& box) {
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            if (extraOf(box, name).happiness != -1) {
                EXPECT_EQ(extraOf(box, name), extraOf(original, name)) << name;
            }
        }
    };
    Box box = original;
    std::vector<BoxEdit> history;
    history.push_back(*applyMove(box, 0, 4));
    history.push_back(*applyMove(box, 3, 1));
    history.push_back(*applyDelete(box, 1));
    keepsEveryExtra(box);
    // Registering an entry as it stands changes nothing; its extra stays without being given.
    const std::string before = boxFileBytes(box);
    history.push_back(*applyStore(box, 2, box.entry(2)).edit);
    EXPECT_EQ(boxFileBytes(box), before);
    BoxEntry renamed = box.entry(0);
    setEntryName(renamed, "z");
    history.push_back(*applyStore(box, 0, renamed, {.happiness = 1}).edit);
    EXPECT_EQ(box.extra(0).happiness, 1);
    for (auto it = history.rbegin(); it != history.rend(); ++it)
        ASSERT_TRUE(undoEdit(box, *it));
    EXPECT_EQ(boxFileBytes(box), boxFileBytes(original));
    for (const BoxEdit& edit : history)
        ASSERT_TRUE(redoEdit(box, edit));
    EXPECT_EQ(box.extra(0).happiness, 1);
    keepsEveryExtra(box);
}

TEST(BoxExtensionFile, ImportAndRecoveryCarryTheBlock) {
    TempDir dir;
    const Box original = boxWithExtras();
    savedBytes(dir / "other.vbd", original);
    Box box;
    box.add(makeEntry("b")); // already there: skipped, keeping nothing
    const Box before = box;
    const ImportResult r = importBoxFile(box, dir / "other.vbd");
    EXPECT_EQ(r.added, 4);
    EXPECT_EQ(box.extra(0), EntryExtra{});
    EXPECT_EQ(box.extra(1), original.extra(0));
    EXPECT_EQ(box.extra(4), original.extra(4));
    const std::optional<BoxEdit> edit = recordAppend(before, box);
    ASSERT_TRUE(undoEdit(box, *edit));
    EXPECT_FALSE(box.hasExtras());
    ASSERT_TRUE(redoEdit(box, *edit));
    EXPECT_EQ(box.extra(4), original.extra(4));

    ASSERT_TRUE(writeRecoveryFile(box, recoveryPathFor(dir / "rusrina.vbd"), dir / "rusrina.vbd").ok);
    Box restored;
    BoxFile(recoveryPathFor(dir / "rusrina.vbd")).load(restored);
    EXPECT_EQ(restored.extras(), box.extras());
}

TEST(BoxExtensionFile, BlockWrittenFromTheLayoutAlone) {
    // fuzz/make_corpus.py writes this block with Python's struct and zlib: slot i keeps gender
    // i % 3, happiness i * 37 % 256, shiny when i % 16 == 0, and no held item of its own when i % 4.
    Box box;
    BoxFile file(fs::path(RUSRINA_FUZZ_CORPUS_DIR) / "box_file" / "full_with_block.vbd");
    EXPECT_TRUE(file.load(box).extensionProblem.empty());
    int checked = 0;
    for (int slot = 0; slot < box.count(); ++slot) {
        const std::string name = entryNameUtf8(box.entry(slot));
        const int i = std::stoi(name.substr(name.find_first_of("0123456789")));
        if (i % 4 == 0)
            continue;
        EXPECT_EQ(box.extra(slot), (EntryExtra{kItemOfRecord, static_cast<Gender>(i % 3), i * 37 % 256, i % 16 == 0}));
        ++checked;
    }
    EXPECT_GT(checked, 500);
    // The same block with ties written from the layout alone: they agree with this program's, and
    // tell two swapped records.
    for (const auto& [seed, moved] :
         {std::pair{"full_with_tied_block.vbd", 0}, std::pair{"full_tied_block_swapped.vbd", 2}}) {
        Box seeded;
        EXPECT_EQ(BoxFile(fs::path(RUSRINA_FUZZ_CORPUS_DIR) / "box_file" / seed).load(seeded).movedExtras, moved);
        EXPECT_EQ(seeded.extras() == box.extras(), moved == 0) << seed;
    }
}
