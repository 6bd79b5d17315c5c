#include "data/names.h"

#include "data/items.h"
#include "data/name_tables.h"
#include "text/name_fold.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_map>

namespace rusrina {
namespace {

using NameIndex = std::unordered_map<std::string, int>;

constexpr int kSpellingOfMove = 0;
constexpr int kSpellingOfHeldItem = 1;

const char* row(const char* const* table, int count, int index) {
    return index >= 0 && index < count && table[index] != nullptr ? table[index] : "";
}

// The first name to claim a folded form keeps it; the name tests see that no two rows collide.
void add(NameIndex& index, std::string_view name, int value) {
    if (!name.empty())
        index.emplace(text::foldName(name), value);
}

int find(const NameIndex& index, std::string_view name) {
    auto found = index.find(text::foldName(name));
    return found == index.end() ? -1 : found->second;
}

// "デオキシス（ノーマル）" without its note; the whole name when it has none.
std::string_view withoutNote(std::string_view name) {
    const std::size_t open = name.find("（");
    return open == std::string_view::npos ? name : name.substr(0, open);
}

const NameIndex& speciesIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int s = 0; s < kSpeciesCount; ++s) {
            add(built, speciesJapaneseName(s), s);
            add(built, generated::kSpeciesEnglishNames[s], s);
        }
        for (int s = 0; s < kSpeciesCount; ++s) {
            if (s == 0 || speciesRecord(s - 1).number != speciesRecord(s).number)
                add(built, withoutNote(speciesJapaneseName(s)), s);
        }
        return built;
    }();
    return index;
}

const NameIndex& moveIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int m = 0; m < kMoveCount; ++m) {
            add(built, moveJapaneseName(m), m);
            add(built, generated::kMoveEnglishNames[m], m);
        }
        for (int i = 0; i < generated::kNameSpellingCount; ++i) {
            const generated::NameSpelling& spelling = generated::kNameSpellings[i];
            if (spelling.kind == kSpellingOfMove)
                add(built, spelling.spelling, find(built, spelling.name));
        }
        return built;
    }();
    return index;
}

const NameIndex& abilityIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int a = 1; a < kAbilityCount; ++a) {
            add(built, abilityJapaneseName(a), a);
            add(built, generated::kAbilityEnglishNames[a], a);
        }
        return built;
    }();
    return index;
}

const NameIndex& typeIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int t = 0; t < kTypeCount; ++t) {
            if (t == kPlaceholderType)
                continue;
            add(built, typeJapaneseName(t), t);
            add(built, generated::kTypeEnglishNames[t], t);
        }
        return built;
    }();
    return index;
}

const NameIndex& natureIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int n = 0; n < kNatureCount; ++n) {
            add(built, generated::kNatureNames[n].japanese, n);
            add(built, generated::kNatureNames[n].english, n);
        }
        return built;
    }();
    return index;
}

const NameIndex& formIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int i = 0; i < generated::kTeamTextFormCount; ++i)
            add(built, generated::kTeamTextForms[i].name, i);
        return built;
    }();
    return index;
}

// A kept form by its English or Japanese name.
const KeptForm* keptFormNamed(std::string_view name) {
    const std::string folded = text::foldName(name);
    for (int i = 0; i < generated::kKeptFormCount; ++i) {
        const KeptForm& kept = generated::kKeptForms[i];
        if (folded == text::foldName(kept.japanese) || folded == text::foldName(kept.english))
            return &kept;
    }
    return nullptr;
}

FormMatch keptFormMatch(const KeptForm& kept) {
    return {kept.species, FormReading::KeptForm, 0, kept.english, kept.number};
}

const NameIndex& itemIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int i = 0; i < generated::kItemNameCount; ++i) {
            add(built, generated::kItemNames[i].japanese, i);
            add(built, generated::kItemNames[i].english, i);
        }
        return built;
    }();
    return index;
}

} // namespace

const char* speciesEnglishName(int species) {
    return row(generated::kSpeciesEnglishNames, kSpeciesCount, species);
}

const char* moveEnglishName(int move) {
    return row(generated::kMoveEnglishNames, kMoveCount, move);
}

const char* abilityEnglishName(int ability) {
    return row(generated::kAbilityEnglishNames, kAbilityCount, ability);
}

const char* typeEnglishName(int type) {
    return row(generated::kTypeEnglishNames, kTypeCount, type);
}

const char* natureName(int nature) {
    return displaysEnglish() ? natureEnglishName(nature) : natureJapaneseName(nature);
}

const char* natureJapaneseName(int nature) {
    return nature >= 0 && nature < kNatureCount ? generated::kNatureNames[nature].japanese : "";
}

const char* natureEnglishName(int nature) {
    return nature >= 0 && nature < kNatureCount ? generated::kNatureNames[nature].english : "";
}

const char* itemEnglishName(int item) {
    // Found once by the Japanese name: the damage item table names the items as the games do.
    static const std::array<const char*, kDamageItemCount> names = [] {
        std::array<const char*, kDamageItemCount> found{};
        for (int row = 0; row < kDamageItemCount; ++row) {
            found[row] = "";
            const char* japanese = damageItemJapaneseName(row);
            for (int i = 0; i < generated::kItemNameCount && japanese[0] != '\0'; ++i) {
                if (std::strcmp(generated::kItemNames[i].japanese, japanese) == 0) {
                    found[row] = generated::kItemNames[i].english;
                    break;
                }
            }
        }
        return found;
    }();
    return item >= 0 && item < kDamageItemCount ? names[item] : "";
}

int findSpecies(std::string_view name) {
    return find(speciesIndex(), name);
}

int findMove(std::string_view name) {
    return find(moveIndex(), name);
}

int findAbility(std::string_view name) {
    return find(abilityIndex(), name);
}

int findNature(std::string_view name) {
    return find(natureIndex(), name);
}

int findType(std::string_view name) {
    return find(typeIndex(), name);
}

int findDamageItem(std::string_view name) {
    const std::string folded = text::foldName(name);
    if (folded.empty())
        return -1;
    for (int item = 0; item < kDamageItemCount; ++item) {
        const char* japanese = damageItemJapaneseName(item);
        if (japanese[0] == '\0')
            continue;
        if (folded == text::foldName(japanese) || folded == text::foldName(itemEnglishName(item)))
            return item;
    }
    return -1;
}

bool isKnownItem(std::string_view name) {
    return find(itemIndex(), name) >= 0;
}

std::optional<std::array<int, 6>> hiddenPowerTextIvs(int type) {
    if (type < 0 || type >= kTypeCount || generated::kHiddenPowerIvs[type][0] == 0)
        return std::nullopt;
    std::array<int, 6> ivs;
    std::copy(std::begin(generated::kHiddenPowerIvs[type]), std::end(generated::kHiddenPowerIvs[type]), ivs.begin());
    return ivs;
}

const char* heldItemSpelling(std::string_view name) {
    const std::string folded = text::foldName(name);
    for (int i = 0; i < generated::kNameSpellingCount; ++i) {
        const generated::NameSpelling& spelling = generated::kNameSpellings[i];
        if (spelling.kind == kSpellingOfHeldItem && text::foldName(spelling.spelling) == folded)
            return spelling.name;
    }
    return nullptr;
}

const KeptForm* keptForm(int species, int number) {
    for (int i = 0; i < generated::kKeptFormCount; ++i) {
        const KeptForm& form = generated::kKeptForms[i];
        if (form.species == species && form.number == number)
            return &form;
    }
    return nullptr;
}

FormMatch findSpeciesForm(std::string_view name) {
    if (const KeptForm* kept = keptFormNamed(name))
        return keptFormMatch(*kept);
    if (const int species = findSpecies(name); species >= 0)
        return {species, FormReading::Row, 0, speciesEnglishName(species)};
    const int form = find(formIndex(), name);
    if (form < 0)
        return {};
    const generated::TeamTextForm& found = generated::kTeamTextForms[form];
    // A short spelling of a kept form ("Basculin-B") reads as that form.
    if (const KeptForm* kept = keptFormNamed(found.formName))
        return keptFormMatch(*kept);
    return {found.species, static_cast<FormReading>(found.reading + 1), found.generation, found.formName};
}

} // namespace rusrina
