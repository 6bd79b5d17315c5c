#pragma once
// English names beside the Japanese ones (the names team text writes, whatever language the
// program speaks), and the way back from a name to its index, for the team
// text that players paste: species (forms spelled "Rotom-Wash"), moves, abilities, natures and
// the held items of the damage item table. Names are found in either language, compared as
// text::foldName folds them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rusrina {

// "" for an index outside the table (and for ability 0, which is no ability).
const char* speciesEnglishName(int species);
const char* moveEnglishName(int move);
const char* abilityEnglishName(int ability);
const char* typeEnglishName(int type);
// The nature's name alone, without the label's padding and note: in the display language, always in
// Japanese ("ようき") and always in English.
const char* natureName(int nature);
const char* natureJapaneseName(int nature);
const char* natureEnglishName(int nature);
// The English name of a damage item row as the games name the item, "" for the rows that are not one
// item of the games ("なし／その他", "各種タイプ補正" and the empty last row).
const char* itemEnglishName(int item);

// The index the name stands for, or -1. A species is also found by the name of its default form
// without the form's note ("デオキシス" for "デオキシス（ノーマル）").
int findSpecies(std::string_view name);
// Also by the spellings of other games' English editions ("Faint Attack", "ViceGrip").
int findMove(std::string_view name);
int findAbility(std::string_view name); // never 0
int findNature(std::string_view name);
int findType(std::string_view name); // never the placeholder type
// A damage item row by its Japanese or English name; the English name of any other item of the
// games is not one. -1 when none.
int findDamageItem(std::string_view name);
// Whether the name is that of any item of the games, in either language.
bool isKnownItem(std::string_view name);

// How team text's name of a species or form reads.
enum class FormReading {
    Unknown,         // no species or form of the 4th or 5th generation
    Row,             // the row itself: its name, or another spelling of its form ("Rotom-W", "Giratina-Altered")
    BaseSpecies,     // a form with the base form's stats, read as the base form's row with a note
                     // ("Arceus-Fire", "Gastrodon-East", "Unown-B", "Castform-Sunny", "Genesect-Douse")
    LaterEdition,    // a form that only the later editions of the 5th generation have ("Landorus-Therian",
                     // "Kyurem-Black"): refused
    LaterGeneration, // a form of a later generation ("Arceus-Fairy", "Charizard-Mega-X"): refused
    KeptForm,        // a form with its base form's stats that the box keeps beside that row, since its
                     // abilities or learnset differ ("Basculin-Blue-Striped", "バスラオ（あおすじ）")
};

struct FormMatch {
    int species = -1; // the row it reads as; for a refused form, its base form's row; -1 when Unknown
    FormReading reading = FormReading::Unknown;
    int generation = 0;        // the generation a LaterGeneration form first appears in (5 for LaterEdition)
    const char* formName = ""; // the form as team text spells it in full ("Arceus-Fire", "Rotom-Wash")
    int form = 0;              // KeptForm: the form's number beside its row
};

// What a species name of team text reads as: any name findSpecies finds (Row), else a form
// spelling of the table of forms.
FormMatch findSpeciesForm(std::string_view name);

// A form the box keeps beside its species row (the box file's extension block holds its number): one
// with its base form's stats whose abilities or learnset of the 4th and 5th generations differ from
// the base form's, so that read as the base form it would be warned about falsely and written back
// as the base form.
struct KeptForm {
    int32_t species; // the row it is kept beside
    int32_t number;  // its number among the species' forms in the games (0 is the row's own form)
    const char* english;
    const char* japanese; // UTF-8
    int32_t abilities[3]; // first, second, hidden (0: none)
};
// The kept form `number` of the species row; nullptr for number 0, and for one the species lacks.
const KeptForm* keptForm(int species, int number);

// The IVs that team builders fill in for a set whose めざめるパワー has this type and that names
// no IVs (31 but where a 30 makes the type); nothing for a type hidden power cannot have.
std::optional<std::array<int, 6>> hiddenPowerTextIvs(int type);

// The English name of our tables that another game's spelling of a held item stands for
// ("Leek": "Stick"); nullptr when it is none.
const char* heldItemSpelling(std::string_view name);

} // namespace rusrina
