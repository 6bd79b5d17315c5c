// Any bytes through the team-text reader: it never reads past its input, every set either fails
// (with no entry) or gives an entry the box accepts, every note names a line of the text, and an
// entry written out again in either language reads back to the same entry and extra.

#include "box/box_entry.h"
#include "data/items.h"
#include "data/names.h"
#include "format/set_text.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace rusrina;
using rusrina::fuzz::check;

namespace {

bool sameHeldFields(const BoxEntry& a, const BoxEntry& b) {
    const int itemA = a.item == kDamageItemCount - 1 ? 0 : a.item; // the empty last row names nothing
    const bool ivsHeld = a.statsDirect == 0;
    return entryName(a) == entryName(b) && a.species == b.species && a.level == b.level && a.nature == b.nature &&
           a.ability == b.ability && itemA == b.item && a.statsDirect == b.statsDirect &&
           std::memcmp(a.stat, b.stat, sizeof a.stat) == 0 && std::memcmp(a.move, b.move, sizeof a.move) == 0 &&
           (!ivsHeld || (std::memcmp(a.iv, b.iv, sizeof a.iv) == 0 && std::memcmp(a.ev, b.ev, sizeof a.ev) == 0));
}

void roundTrip(const BoxEntry& entry, const EntryExtra& extra) {
    check(fittedExtra(entry, extra) == extra, "a read extra fits its entry");
    for (SetTextLanguage language : {SetTextLanguage::English, SetTextLanguage::Japanese}) {
        const std::vector<ParsedSet> again = readSetText(writeSetText(entry, extra, language));
        check(again.size() == 1 && again[0].ok(), "a written entry reads back as one set");
        check(sameHeldFields(entry, *again[0].entry), "a written entry reads back to the same fields");
        check(again[0].extra == extra, "a written entry reads back with the same extra");
    }
}

// At least the lines of the text: LF, CR LF and CR end a line (in UTF-16 too, each end has its byte).
int lineBound(std::string_view text) {
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    }
    return ends + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = lineBound(text);
    const std::vector<ParsedSet> sets = readSetText(text);
    int previous = 0;
    for (const ParsedSet& set : sets) {
        check(set.firstLine > previous && set.firstLine <= lines, "sets follow one another within the text");
        previous = set.firstLine;
        check(set.ok() != set.failure.has_value(), "a set has an entry or a failure, never both");
        for (const SetTextNote& note : set.warnings)
            check(note.line >= set.firstLine && note.line <= lines, "a warning names a line of its set");
        for (const SetTextNote& note : set.notes)
            check(note.line >= set.firstLine && note.line <= lines, "a note names a line of its set");
        if (set.failure)
            check(set.failure->line >= set.firstLine && set.failure->line <= lines, "a failure names a line");
        if (!set.ok())
            continue;
        check(set.entry->inUse() && isValidEntry(*set.entry), "a read entry is one the box accepts");
        roundTrip(*set.entry, set.extra);
    }
    return 0;
}
