#include "format/entry_form.h"

#include "calc/stats.h"
#include "text/cp932.h"
#include "text/ui_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <numeric>

namespace rusrina {
namespace {

// "改行", "タブ" or "U+001B" for a control character (C0, DEL or C1); empty for any other.
std::string controlCharacterName(std::string_view character) {
    unsigned code = static_cast<unsigned char>(character[0]);
    if (character.size() == 2 && code == 0xC2)
        code = static_cast<unsigned char>(character[1]); // U+0080..U+00BF
    else if (character.size() != 1 || code >= 0x80)
        return {};
    if (code == '\n' || code == '\r')
        return text::uiText("EntryName", "改行");
    if (code == '\t')
        return text::uiText("EntryName", "タブ");
    if (code >= 0x20 && code != 0x7F && (code < 0x80 || code > 0x9F))
        return {};
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "U+%04X", code);
    return buffer;
}

// Whether the inputs the stats follow from are still the stored entry's.
bool sameStatInputs(const EntryForm& form, const BoxEntry& stored) {
    const auto same = [](const std::array<int, 6>& shown, const int32_t(&kept)[6]) {
        return std::equal(shown.begin(), shown.end(), std::begin(kept));
    };
    return form.species == stored.species && form.level == stored.level && form.nature == stored.nature &&
           form.statsDirect == (stored.statsDirect != 0) && same(form.iv, stored.iv) && same(form.ev, stored.ev) &&
           same(form.stat, stored.stat);
}

} // namespace

std::string fitEntryNameText(std::string_view utf8) {
    return text::cutToWidth(utf8, kNameFieldBytes);
}

std::vector<std::string> unstorableNameCharacters(std::string_view utf8) {
    std::vector<std::string> found;
    for (std::string_view character : text::utf8Characters(utf8)) {
        std::string named = controlCharacterName(character);
        if (named.empty() && text::toCp932(character) == "?" && character != "?")
            named = character;
        if (!named.empty() && std::find(found.begin(), found.end(), named) == found.end())
            found.push_back(std::move(named));
    }
    return found;
}

Refusal registrationRefusal(const EntryForm& form) {
    if (form.name.empty())
        return Refusal::EmptyName;
    if (!keepsStoredName(form.name, form.stored) && !unstorableNameCharacters(form.name).empty())
        return Refusal::UnstorableName;
    if (!form.statsDirect && std::accumulate(form.ev.begin(), form.ev.end(), 0) > kMaxEvTotal)
        return Refusal::TooManyEvs;
    return Refusal::None;
}

std::array<int, 6> statsToStore(const EntryForm& form) {
    if (form.stored && sameStatInputs(form, *form.stored)) {
        std::array<int, 6> stats;
        std::copy(std::begin(form.stored->stat), std::end(form.stored->stat), stats.begin());
        return stats;
    }
    if (!form.statsDirect)
        return computeEntryStats(form.species, form.iv, form.ev, form.level, form.nature);
    std::array<int, 6> stats = form.stat;
    if (form.species == FIXED_HP_SPECIES)
        stats[kHp] = 1;
    return stats;
}

BoxEntry entryFromForm(const EntryForm& form) {
    BoxEntry entry{};
    if (keepsStoredName(form.name, form.stored))
        std::memcpy(entry.name, form.stored->name, kBoxNameBytes);
    else
        setEntryName(entry, form.name);
    entry.species = form.species;
    entry.level = form.level;
    entry.nature = form.nature;
    entry.ability = form.ability;
    entry.item = form.item;
    entry.statsDirect = form.statsDirect ? 1 : 0;
    const std::array<int, 6> stats = statsToStore(form);
    for (int i = 0; i < kStatCount; ++i) {
        entry.iv[i] = form.iv[i];
        entry.ev[i] = form.ev[i];
        entry.stat[i] = stats[i];
    }
    for (int i = 0; i < 4; ++i)
        entry.move[i] = form.move[i];
    return entry;
}

EntryExtra extraFromForm(const EntryForm& form) {
    BoxEntry record{};
    record.item = form.item;
    record.species = form.species;
    return fittedExtra(record, {form.heldItem, form.gender, form.happiness, form.shiny, form.form});
}

void setFormHeldItem(EntryForm& form, int heldItem) {
    const HeldItemFields fields = heldItemFields(heldItem);
    form.item = fields.row;
    form.heldItem = fields.heldItem;
}

EntryForm formFromEntry(const BoxEntry& entry, const EntryExtra& extra) {
    EntryForm form;
    const EntryExtra fitted = fittedExtra(entry, extra);
    form.heldItem = fitted.heldItem;
    form.gender = fitted.gender;
    form.happiness = fitted.happiness;
    form.shiny = fitted.shiny;
    form.form = fitted.form;
    form.stored = entry;
    form.name = entryNameUtf8(entry);
    form.species = entry.species;
    form.level = entry.level;
    form.nature = entry.nature;
    form.ability = entry.ability;
    form.item = entry.item;
    form.statsDirect = entry.statsDirect != 0;
    std::copy(std::begin(entry.iv), std::end(entry.iv), form.iv.begin());
    std::copy(std::begin(entry.ev), std::end(entry.ev), form.ev.begin());
    std::copy(std::begin(entry.stat), std::end(entry.stat), form.stat.begin());
    std::copy(std::begin(entry.move), std::end(entry.move), form.move.begin());
    return form;
}

bool keepsStoredName(std::string_view name, const std::optional<BoxEntry>& stored) {
    return stored && name == entryNameUtf8(*stored);
}

bool marksStoredName(std::string_view name, const std::optional<BoxEntry>& stored) {
    return keepsStoredName(name, stored) && text::toCp932(name) != entryName(*stored);
}

} // namespace rusrina
