// Any bytes as a box file: loading keeps only valid entries as an in-use prefix, each with an extra
// that fits its record, a save of what was loaded loads again unchanged, extension block included
// (and first keeps the original when it held anything the save drops), and importing the file adds
// only valid entries and accounts for every named record.

#include "format/box_file.h"
#include "fuzz_support.h"
#include "view/box/box_row.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>

using namespace rusrina;
using rusrina::fuzz::check;

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool sameSlots(const Box& a, const Box& b) {
    return std::memcmp(a.slots().data(), b.slots().data(), kBoxFileBytes) == 0 && a.extras() == b.extras();
}

void checkEntries(const Box& box) {
    for (int slot = 0; slot < box.count(); ++slot) {
        check(isValidEntry(box.entry(slot)), "every entry in use is valid");
        check(fittedExtra(box.entry(slot), box.extra(slot)) == box.extra(slot), "every extra fits its record");
    }
    // The list texts of a few entries (all of them would slow every run for little gain).
    for (int slot = 0; slot < std::min(box.count(), 8); ++slot) {
        const BoxRowTexts row = boxRowTexts(box.entry(slot));
        check(!row.name.empty() && !row.species.empty(), "an entry in use has a name and a species name");
    }
    check(!box.entry(box.count()).inUse(), "the slot after the last entry is free");
}

// Records with a name, anywhere in the file (a short last record counts when its name byte is there).
int namedRecords(std::string_view bytes, bool prefixOnly) {
    int named = 0;
    for (std::size_t i = 0; i < kBoxCapacity && i * sizeof(BoxEntry) < bytes.size(); ++i) {
        if (bytes[i * sizeof(BoxEntry)] != 0)
            ++named;
        else if (prefixOnly)
            break;
    }
    return named;
}

void loadSaveLoad(std::string_view bytes, Box& box) {
    const auto path = fuzz::scratch() / "rusrina.vbd";
    fuzz::writeFile(path, bytes);
    BoxFile file(path);
    const LoadResult loaded = file.load(box);
    check(loaded.status == LoadResult::Status::Loaded, "a regular file loads");
    check(loaded.count == box.count(), "the reported count is the box's");
    check(loaded.count + loaded.invalidRecords == namedRecords(bytes, true), "every record of the prefix is counted");
    checkEntries(box);
    (void)loadSummaryText(loaded, file.backupPath());

    const bool dropsSomething = file.backupPending();
    const SaveResult saved = file.save(box);
    check(saved.ok, "the box saves");
    if (dropsSomething) {
        check(readFile(file.backupPath()) == bytes, "the backup holds the original file");
        std::filesystem::remove(file.backupPath());
    }
    check(!std::filesystem::exists(file.backupPath()), "no backup when nothing is dropped");

    BoxFile again(path);
    auto reloaded = std::make_unique<Box>();
    const LoadResult second = again.load(*reloaded);
    check(second.count == loaded.count && second.invalidRecords == 0, "a saved box loads whole");
    check(sameSlots(box, *reloaded), "a saved box loads byte for byte, with what each slot keeps");
    check(second.extensionProblem.empty(), "a saved extension block reads");
    check(!again.backupPending(), "a saved box needs no backup");
}

void importInto(std::string_view bytes, const Box& loaded) {
    const auto path = fuzz::scratch() / "import.vbd";
    fuzz::writeFile(path, bytes);
    // A box that already holds the first half of the file's valid entries.
    auto box = std::make_unique<Box>();
    for (int slot = 0; slot < loaded.count() / 2; ++slot)
        check(box->add(loaded.entry(slot)).ok(), "a valid entry is added");
    const int before = box->count();
    const ImportResult r = importBoxFile(*box, path);
    check(r.status == ImportResult::Status::Imported, "a regular file imports");
    check(r.firstAddedSlot == before && box->count() == before + r.added, "added entries follow the old ones");
    check(r.added + r.present + r.invalid + r.noRoom == namedRecords(bytes, false), "every named record is counted");
    check(r.present >= before, "the entries already in the box are found");
    checkEntries(*box);
    (void)importSummaryText(r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static auto box = std::make_unique<Box>();
    loadSaveLoad(bytes, *box);
    importInto(bytes, *box);
    return 0;
}
