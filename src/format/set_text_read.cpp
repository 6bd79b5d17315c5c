#include "format/set_text.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/ids.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"
#include "data/types.h"
#include "format/entry_form.h"
#include "format/set_text_parts.h"
#include "format/set_text_stats.h"
#include "text/cp932.h"
#include "text/name_fold.h"
#include "text/ui_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <numeric>

namespace rusrina {
namespace {

constexpr int kDefaultLevel = 100;
constexpr int kDefaultIv = 31;
constexpr int kDefaultNature = 24; // まじめ, neutral
constexpr int kMoveSlots = 4;
constexpr int kMaxGameIv = 31;

struct Line {
    int number;
    std::string_view text; // without surrounding blanks
};

std::string quoted(std::string_view s) {
    return quotedText(s);
}

// --- One set ----------------------------------------------------------------------------------

class SetReader {
public:
    explicit SetReader(ParsedSet& set) : m_set(set) {}

    void read(std::span<const Line> lines);

private:
    bool fail(int line, std::string text) {
        if (!m_set.failure)
            m_set.failure = SetTextNote{line, std::move(text)};
        return false;
    }
    void warn(int line, std::string text) { m_set.warnings.push_back({line, std::move(text)}); }

    void note(int line, std::string text) { m_set.notes.push_back({line, std::move(text)}); }

    // The abilities of the species read, or of its kept form (first, second, hidden; 0 for none).
    std::array<int, 3> ownAbilities() const;
    std::string formName() const;
    bool readSpeciesLine(const Line& line);
    bool readSpecies(const Line& line, std::string_view left, std::string_view& nickname);
    bool readName(const Line& line, std::string_view nickname);
    void readGender(const Line& line, std::string_view value);
    void setGender(const Line& line, Gender gender, std::string_view written);
    void fitGender();
    void readShiny(const Line& line, std::string_view value);
    void readHappiness(const Line& line, std::string_view value);
    void fillHiddenPowerIvs();
    void readItem(const Line& line, std::string_view item);
    bool readLine(const Line& line);
    bool readKey(const Line& line, Key key, std::string_view value);
    bool readStatLine(const Line& line, std::string_view value, int low, int high, std::array<int, 6>& into);
    bool readStatsComment(const Line& line, std::string_view value);
    void warnGameIvs(const Line& line);
    void readNature(const Line& line, std::string_view name);
    void readAbility(const Line& line, std::string_view name);
    void readMove(const Line& line, std::string_view text);
    bool finish();

    ParsedSet& m_set;
    EntryForm m_form;
    int m_moves = 0;
    int m_evLine = 0;
    int m_ivLine = 0;
    bool m_itemRead = false;
    int m_abilityLine = 0;
    // Where the gender was read, and as written: a second one that differs is said, and one the
    // species cannot have is fitted to it at the end.
    int m_genderLine = 0;
    std::string m_genderWritten;
    std::optional<std::pair<int, std::string>> m_hiddenPowerType; // line, type name as written
};

bool SetReader::readSpeciesLine(const Line& line) {
    std::string_view left = line.text;
    std::string_view item;
    const std::size_t at = std::min(left.find('@'), left.find("＠"));
    if (at != std::string_view::npos) {
        item = trim(left.substr(at + (left[at] == '@' ? 1 : std::string_view("＠").size())));
        left = trim(left.substr(0, at));
    }
    for (auto [written, gender] :
         {std::pair{"(M)", Gender::Male}, std::pair{"(F)", Gender::Female}, std::pair{"(m)", Gender::Male},
          std::pair{"(f)", Gender::Female}, std::pair{"(♂)", Gender::Male}, std::pair{"(♀)", Gender::Female}}) {
        const std::string_view suffix = written;
        if (left.ends_with(suffix) && left.size() > suffix.size()) {
            left = trim(left.substr(0, left.size() - suffix.size()));
            setGender(line, gender, suffix);
            break;
        }
    }
    std::string_view nickname;
    if (!readSpecies(line, left, nickname))
        return false;
    m_form.ability = ownAbilities()[0];
    if (!item.empty())
        readItem(line, item);
    return readName(line, nickname);
}

std::array<int, 3> SetReader::ownAbilities() const {
    if (const KeptForm* kept = keptForm(m_form.species, m_form.form))
        return {kept->abilities[0], kept->abilities[1], kept->abilities[2]};
    const SpeciesAbilities& own = speciesAbilities(m_form.species);
    return {own.ability1, own.ability2, own.hiddenAbility};
}

std::string SetReader::formName() const {
    const KeptForm* kept = keptForm(m_form.species, m_form.form);
    if (!kept)
        return speciesName(m_form.species);
    return text::textLanguage() == text::TextLanguage::English ? kept->english : kept->japanese;
}

// The species or form, alone or as "Nickname (Species)" (also with full-width parentheses, as
// Japanese text writes them).
bool SetReader::readSpecies(const Line& line, std::string_view left, std::string_view& nickname) {
    std::string_view speciesText = left;
    FormMatch match = findSpeciesForm(left);
    for (auto [open, close] : {std::pair{"(", ")"}, std::pair{"（", "）"}}) {
        const std::size_t at = left.rfind(open);
        if (match.reading != FormReading::Unknown || !left.ends_with(close) || at == std::string_view::npos || at == 0)
            continue;
        const std::size_t inner = at + std::string_view(open).size();
        speciesText = trim(left.substr(inner, left.size() - inner - std::string_view(close).size()));
        nickname = trim(left.substr(0, at));
        match = findSpeciesForm(speciesText);
    }
    switch (match.reading) {
    case FormReading::Unknown:
        return fail(line.number,
                    text::fillText(text::uiText("TeamText", "バントレ%1が見つかりません%2"),
                                   {quoted(speciesText), nearestNamesText(NameKind::Species, speciesText)}));
    case FormReading::LaterEdition:
        return fail(
            line.number,
            text::fillText(
                text::uiText("TeamText", "%1は TK より後の作品（ブラック2・ホワイト2）のフォルムのため登録できません"),
                {quoted(match.formName)}));
    case FormReading::LaterGeneration:
        return fail(line.number, text::fillText(text::uiText("TeamText", "%1は第%2世代のフォルムのため登録できません"),
                                                {quoted(match.formName), std::to_string(match.generation)}));
    case FormReading::BaseSpecies:
        note(line.number, text::fillText(text::uiText("TeamText", "%1は能力値が同じ%2として登録します"),
                                         {quoted(match.formName), quoted(speciesName(match.species))}));
        break;
    case FormReading::KeptForm:
        m_form.form = match.form;
        break;
    case FormReading::Row:
        break;
    }
    m_form.species = match.species;
    return true;
}

bool SetReader::readName(const Line& line, std::string_view nickname) {
    if (nickname.empty()) {
        m_form.name = speciesJapaneseName(m_form.species);
        return true;
    }
    const std::string name(nickname);
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return fail(line.number,
                    text::fillText(text::uiText("TeamText", "名前%1に制御文字があります"), {quoted(name)}));
    // The box cannot hold the name, but it can hold everything else the set says: only the name is
    // lost, and the set is named as one without a nickname is.
    if (text::fromCp932(text::toCp932(name)) != name) {
        std::string characters;
        for (const std::string& character : unstorableNameCharacters(name))
            characters += (characters.empty() ? "" : text::uiText("TeamText", "、")) + character;
        if (!characters.empty())
            characters = text::fillText(text::uiText("TeamText", "（%1）"), {characters});
        m_form.name = speciesJapaneseName(m_form.species);
        warn(line.number, text::fillText(text::uiText("TeamText", "名前%1には名前に使えない文字%2があるため%3にします"),
                                         {quoted(name), characters, quoted(speciesName(m_form.species))}));
        return true;
    }
    m_form.name = std::string(trim(fitEntryNameText(name)));
    if (m_form.name != name)
        warn(line.number, text::fillText(text::uiText("TeamText", "名前%1は 31 バイトに収まらないため%2にします"),
                                         {quoted(name), quoted(m_form.name)}));
    return true;
}

void SetReader::readItem(const Line& line, std::string_view item) {
    m_itemRead = true;
    if (const int held = findHeldItem(item); held > kNoHeldItem) {
        setFormHeldItem(m_form, held);
        return;
    }
    // A row of the damage-item table by its own name ("各種タイプ補正").
    if (const int row = findDamageItem(item); row >= 0) {
        m_form.item = row;
        return;
    }
    const std::string none = quoted(damageItem(0).name);
    const int generation = otherItemGeneration(item);
    if (generation > 5)
        warn(line.number, text::fillText(text::uiText("TeamText", "持ち物%1は第%2世代の道具のため%3にします"),
                                         {quoted(item), std::to_string(generation), none}));
    else if (generation > 0 || isKnownItem(item))
        warn(line.number, text::fillText(text::uiText("TeamText", "持ち物%1は対戦で持たせる道具ではないため%2にします"),
                                         {quoted(item), none}));
    else if (text::foldName(item) == "mail" || item == "メール")
        // The simulator's one mail stands for every kind; none of them does anything in battle.
        warn(line.number,
             text::fillText(
                 text::uiText("TeamText", "持ち物%1はどのメールか分からず、メールは対戦で効果がないため%2にします"),
                 {quoted(item), none}));
    else
        warn(line.number, text::fillText(text::uiText("TeamText", "持ち物%1が見つからないため%2にします%3"),
                                         {quoted(item), none, nearestNamesText(NameKind::HeldItem, item)}));
}

void SetReader::readGender(const Line& line, std::string_view value) {
    static const std::map<std::string, Gender> genders = {
        {"m", Gender::Male},        {"male", Gender::Male},   {"オス", Gender::Male}, {"f", Gender::Female},
        {"female", Gender::Female}, {"メス", Gender::Female}, {"n", Gender::Unknown}, {"なし", Gender::Unknown},
    };
    const auto found = genders.find(text::foldName(value));
    if (found == genders.end())
        warn(line.number, text::fillText(text::uiText("TeamText", "性別%1が読めないため外します"), {quoted(value)}));
    else
        setGender(line, found->second, value);
}

// The first gender written stands, as in the simulator (which reads only the species line's): a
// later one that says otherwise is said and left out.
void SetReader::setGender(const Line& line, Gender gender, std::string_view written) {
    if (m_genderLine != 0) {
        if (gender != m_form.gender)
            warn(line.number, text::fillText(text::uiText("TeamText", "性別%1は %2 行目の%3と違うため外します"),
                                             {quoted(written), std::to_string(m_genderLine), quoted(m_genderWritten)}));
        return;
    }
    m_form.gender = gender;
    m_genderLine = line.number;
    m_genderWritten = std::string(written);
}

// A gender the species cannot have becomes the one it can: none for a species without gender,
// its only one for a species of one gender.
void SetReader::fitGender() {
    const int rate = speciesRecord(m_form.species).femaleRate;
    const Gender only = rate == kGenderless     ? Gender::Unknown
                        : rate == kAlwaysMale   ? Gender::Male
                        : rate == kAlwaysFemale ? Gender::Female
                                                : m_form.gender;
    if (m_form.gender == Gender::Unknown || m_form.gender == only)
        return;
    const std::string species = quoted(speciesName(m_form.species));
    if (only == Gender::Unknown)
        warn(m_genderLine, text::fillText(text::uiText("TeamText", "%1には性別がないため、性別%2は外します"),
                                          {species, quoted(m_genderWritten)}));
    else if (only == Gender::Male)
        warn(m_genderLine, text::fillText(text::uiText("TeamText", "%1はオスだけのため、性別%2ではなく%3にします"),
                                          {species, quoted(m_genderWritten), quoted("♂")}));
    else
        warn(m_genderLine, text::fillText(text::uiText("TeamText", "%1はメスだけのため、性別%2ではなく%3にします"),
                                          {species, quoted(m_genderWritten), quoted("♀")}));
    m_form.gender = only;
}

void SetReader::readShiny(const Line& line, std::string_view value) {
    const std::string folded = text::foldName(value);
    if (folded == "yes" || folded == "true" || folded == "はい")
        m_form.shiny = true;
    else if (folded == "no" || folded == "false" || folded == "いいえ")
        m_form.shiny = false;
    else
        warn(line.number,
             text::fillText(text::uiText("TeamText", "色違いの値%1が読めないため外します"), {quoted(value)}));
}

void SetReader::readHappiness(const Line& line, std::string_view value) {
    const std::optional<int> happiness = parseNumber(text::foldNumberText(value));
    if (!happiness || *happiness < 0 || *happiness > 255) {
        warn(line.number, text::fillText(text::uiText("TeamText", "なつき度は 0 から 255 までの整数のため%1は外します"),
                                         {quoted(value)}));
        return;
    }
    m_form.happiness = *happiness;
}

bool SetReader::readLine(const Line& line) {
    const std::string_view text = line.text;
    if (text.starts_with('#')) {
        const auto split = splitKey(trim(text.substr(1)));
        const std::string_view comment = std::string_view(kSetTextStatsComment).substr(1);
        if (split && text::foldName(split->first) == text::foldName(comment.substr(0, comment.size() - 1)))
            return readStatsComment(line, split->second);
        if (split && text::foldName(split->first) == "item" && !m_itemRead && !split->second.empty())
            readItem(line, split->second);
        return true;
    }
    if (text.starts_with('-') || text.starts_with('~') || text.starts_with("－")) {
        readMove(line, trim(text.substr(text.starts_with("－") ? std::string_view("－").size() : 1)));
        return true;
    }
    if (const auto split = splitKey(text))
        return readKey(line, keyOf(split->first), split->second);
    for (std::string_view suffix : {" nature", "な性格", "性格"}) {
        if (endsWithNoCase(text, suffix) && text.size() > suffix.size()) {
            readNature(line, trim(text.substr(0, text.size() - suffix.size())));
            return true;
        }
    }
    if (findNature(text) >= 0) {
        readNature(line, text);
        return true;
    }
    return fail(line.number, text::fillText(text::uiText("TeamText", "読めない行です: %1"), {clippedText(text)}));
}

bool SetReader::readKey(const Line& line, Key key, std::string_view value) {
    switch (key) {
    case Key::Ability:
        readAbility(line, value);
        return true;
    case Key::Level: {
        const std::optional<int> level = parseNumber(value);
        if (!level || *level < kMinLevel || *level > kMaxLevel)
            return fail(line.number,
                        text::fillText(text::uiText("TeamText", "レベルは 1 から 100 までの整数で書いてください: %1"),
                                       {clippedText(value)}));
        m_form.level = *level;
        return true;
    }
    case Key::Evs:
        m_evLine = line.number;
        return readStatLine(line, value, 0, kEntryMaxEv, m_form.ev);
    case Key::Ivs:
        m_ivLine = line.number;
        return readStatLine(line, value, 0, kEntryMaxIv, m_form.iv) && (warnGameIvs(line), true);
    case Key::Nature:
        readNature(line, value);
        return true;
    case Key::Shiny:
        readShiny(line, value);
        return true;
    case Key::Happiness:
        readHappiness(line, value);
        return true;
    case Key::Gender:
        readGender(line, value);
        return true;
    case Key::Skipped:
        return true;
    case Key::Unknown:
        break;
    }
    warn(line.number, text::fillText(text::uiText("TeamText", "この行は読み飛ばします: %1"), {clippedText(line.text)}));
    return true;
}

bool SetReader::readStatLine(const Line& line, std::string_view value, int low, int high, std::array<int, 6>& into) {
    const std::optional<StatValues> values = parseStatList(value);
    if (!values)
        return fail(line.number,
                    text::fillText(text::uiText("TeamText", "読めない行です: %1"), {clippedText(line.text)}));
    for (int stat = 0; stat < kStatCount; ++stat) {
        if (!(*values)[stat])
            continue;
        const int v = *(*values)[stat];
        if (v < low || v > high)
            return fail(line.number, text::fillText(text::uiText("TeamText", "%1 の値 %2 は %3 から %4 の外です"),
                                                    {kSetTextStatNames[stat], std::to_string(v), std::to_string(low),
                                                     std::to_string(high)}));
        into[stat] = v;
    }
    return true;
}

// The box keeps IVs up to 255, as the edit form does, but a game's IV is at most 31: team text of
// any tool never means more, so a larger one is kept as written and said.
void SetReader::warnGameIvs(const Line& line) {
    std::string over;
    for (int stat = 0; stat < kStatCount; ++stat) {
        if (m_form.iv[stat] > kMaxGameIv)
            over += (over.empty() ? "" : " / ") + std::to_string(m_form.iv[stat]) + " " + kSetTextStatNames[stat];
    }
    if (!over.empty())
        warn(line.number,
             text::fillText(
                 text::uiText("TeamText", "個体値 %1 はゲームの個体値（0～31）を超えています（そのまま登録します）"),
                 {over}));
}

bool SetReader::readStatsComment(const Line& line, std::string_view value) {
    const std::optional<StatValues> values = parseStatList(value);
    const bool complete = values && std::all_of(values->begin(), values->end(), [](auto v) { return v.has_value(); });
    if (!complete)
        return fail(line.number, text::fillText(text::uiText("TeamText", "能力値の行には 6 つの能力値が要ります: %1"),
                                                {clippedText(line.text)}));
    for (int stat = 0; stat < kStatCount; ++stat) {
        const int v = *(*values)[stat];
        if (v < kEntryMinStat || v > kEntryMaxStat)
            return fail(line.number, text::fillText(text::uiText("TeamText", "能力値 %1 は 1 から 999 の外です"),
                                                    {std::to_string(v)}));
        m_form.stat[stat] = v;
    }
    m_form.statsDirect = true;
    return true;
}

void SetReader::readNature(const Line& line, std::string_view name) {
    const int nature = findNature(name);
    if (nature < 0) {
        warn(line.number, text::fillText(text::uiText("TeamText", "性格%1が見つからないため%2にします"),
                                         {quoted(name), quoted(natureName(kDefaultNature))}));
        return;
    }
    m_form.nature = nature;
}

void SetReader::readAbility(const Line& line, std::string_view name) {
    const int ability = findAbility(name);
    const std::array<int, 3> own = ownAbilities();
    if (ability < 0) {
        warn(line.number,
             text::fillText(text::uiText("TeamText", "特性%1が見つからないため%2にします%3"),
                            {quoted(name), quoted(abilityName(own[0])), nearestNamesText(NameKind::Ability, name)}));
        return;
    }
    // The last line stands, as in the simulator, and the one it replaces is said.
    if (m_abilityLine != 0 && ability != m_form.ability)
        warn(line.number, text::fillText(text::uiText("TeamText", "特性が %1 行目にもあるため、%2ではなく%3にします"),
                                         {std::to_string(m_abilityLine), quoted(abilityName(m_form.ability)),
                                          quoted(abilityName(ability))}));
    m_abilityLine = line.number;
    if (std::find(own.begin(), own.end(), ability) == own.end())
        warn(line.number, text::fillText(text::uiText("TeamText", "%1は特性%2を持ちません（そのまま登録します）"),
                                         {quoted(formName()), quoted(abilityName(ability))}));
    m_form.ability = ability;
}

// "Hidden Power [Fire]" (also "Hidden Power Fire"): the move and the type as written.
std::pair<int, std::string_view> hiddenPowerWithType(std::string_view text) {
    const std::size_t open = text.find('[');
    if (open != std::string_view::npos && text.ends_with(']'))
        return {findMove(trim(text.substr(0, open))), trim(text.substr(open + 1, text.size() - open - 2))};
    for (std::string_view name :
         {moveEnglishName(indexOf(MoveId::HiddenPower)), moveJapaneseName(indexOf(MoveId::HiddenPower))}) {
        if (text.size() > name.size() && text::foldName(text.substr(0, name.size())) == text::foldName(name))
            return {indexOf(MoveId::HiddenPower), trim(text.substr(name.size()))};
    }
    return {findMove(text), {}};
}

void SetReader::readMove(const Line& line, std::string_view text) {
    // "- Earthquake / Stone Edge" offers a choice; the first is taken.
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos) {
        warn(line.number, text::fillText(text::uiText("TeamText", "技の候補が複数あるため最初の%1にします"),
                                         {quoted(trim(text.substr(0, slash)))}));
        text = trim(text.substr(0, slash));
    }
    auto [move, typeText] = hiddenPowerWithType(text);
    if (move < 0 && text.size() > 2 && text.front() == '[' && text.back() == ']') {
        // "[Hidden Power]": a move in brackets, as some team lists write one left open.
        std::tie(move, typeText) = hiddenPowerWithType(trim(text.substr(1, text.size() - 2)));
        if (move >= 0)
            note(line.number, text::fillText(text::uiText("TeamText", "技%1は括弧を外して%2として読みます"),
                                             {quoted(text), quoted(moveRecord(move).name)}));
    }
    if (move < 0) {
        warn(line.number, text::fillText(text::uiText("TeamText", "技%1が見つからないため外します%2"),
                                         {quoted(text), nearestNamesText(NameKind::Move, text)}));
        return;
    }
    if (m_moves == kMoveSlots) {
        warn(line.number, text::fillText(text::uiText("TeamText", "技は 4 つまでのため%1は外します"), {quoted(text)}));
        return;
    }
    if (std::find(m_form.move.begin(), m_form.move.begin() + m_moves, move) != m_form.move.begin() + m_moves) {
        warn(line.number, text::fillText(text::uiText("TeamText", "技%1が重なっているため外します"), {quoted(text)}));
        return;
    }
    if (const MoveRemark remark = moveRemark(m_form.species, move); remark.kind == MoveRemark::Kind::Warning)
        warn(line.number, remark.text);
    else if (remark.kind == MoveRemark::Kind::Note)
        note(line.number, remark.text);
    m_form.move[m_moves++] = move;
    if (move == indexOf(MoveId::HiddenPower) && !typeText.empty())
        m_hiddenPowerType = std::pair{line.number, std::string(typeText)};
}

// A set that names めざめるパワー's type and no IVs has the IVs team builders fill in for it.
void SetReader::fillHiddenPowerIvs() {
    const std::optional<std::array<int, 6>> ivs = hiddenPowerTextIvs(findType(m_hiddenPowerType->second));
    if (!ivs || *ivs == m_form.iv)
        return;
    m_form.iv = *ivs;
    std::string list;
    for (int stat = 0; stat < kStatCount; ++stat) {
        if (m_form.iv[stat] != kDefaultIv)
            list += (list.empty() ? "" : " / ") + std::to_string(m_form.iv[stat]) + " " + kSetTextStatNames[stat];
    }
    note(m_hiddenPowerType->first,
         text::fillText(text::uiText("TeamText", "個体値の行がないため、めざめるパワー%1の個体値 %2 にします"),
                        {quoted(m_hiddenPowerType->second), list}));
}

bool SetReader::finish() {
    fitGender();
    const int evTotal = std::accumulate(m_form.ev.begin(), m_form.ev.end(), 0);
    if (evTotal > kMaxEvTotal)
        return fail(m_evLine, text::fillText(text::uiText("TeamText", "努力値の合計 %1 が 510 を超えています"),
                                             {std::to_string(evTotal)}));
    if (m_hiddenPowerType && !m_form.statsDirect) {
        if (m_ivLine == 0)
            fillHiddenPowerIvs();
        const int written = findType(m_hiddenPowerType->second);
        const int fromIvs = hiddenPowerOf(m_form.iv).type;
        if (written != fromIvs)
            warn(
                m_hiddenPowerType->first,
                text::fillText(text::uiText("TeamText", "めざめるパワーのタイプ%1は個体値から決まるタイプ%2と違います"),
                               {quoted(m_hiddenPowerType->second), quoted(typeName(fromIvs))}));
    }
    m_set.entry = entryFromForm(m_form);
    m_set.extra = extraFromForm(m_form);
    return true;
}

void SetReader::read(std::span<const Line> lines) {
    m_form.level = kDefaultLevel;
    m_form.nature = kDefaultNature;
    m_form.iv.fill(kDefaultIv);
    m_set.firstLine = lines.front().number;
    if (!readSpeciesLine(lines.front()))
        return;
    for (const Line& line : lines.subspan(1)) {
        if (!readLine(line))
            return;
    }
    finish();
}

// The lines of each set: runs of lines that are not blank, a team heading ("=== ... ===") or a
// comment before the species line.
std::vector<std::vector<Line>> splitSets(std::string_view text) {
    std::vector<std::vector<Line>> sets(1);
    int number = 0;
    while (!text.empty() || number == 0) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        const std::string_view line = trim(raw);
        if (line.empty() || line.starts_with("===")) {
            if (!sets.back().empty())
                sets.emplace_back();
        } else if (!(sets.back().empty() && line.starts_with('#'))) {
            sets.back().push_back({number, line});
        }
        if (end == std::string_view::npos)
            break;
    }
    if (sets.back().empty())
        sets.pop_back();
    return sets;
}

} // namespace

std::vector<ParsedSet> readSetText(std::string_view input) {
    const std::string text = decodeSetTextInput(input);
    std::vector<ParsedSet> result;
    for (const std::vector<Line>& lines : splitSets(text)) {
        ParsedSet& set = result.emplace_back();
        SetReader(set).read(lines);
        if (set.failure)
            set.entry.reset();
    }
    return result;
}

bool looksLikeSetText(std::string_view text) {
    const std::vector<ParsedSet> sets = readSetText(text);
    return std::any_of(sets.begin(), sets.end(), [](const ParsedSet& set) { return set.ok(); });
}

std::string noteLineText(const SetTextNote& note) {
    return text::fillText(text::uiText("TeamText", "%1 行目: %2"), {std::to_string(note.line), note.text});
}

} // namespace rusrina
