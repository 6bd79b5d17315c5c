#include "devtools/oracle_case.h"

#include "calc/exact/exact_damage.h"
#include "calc/stats.h"
#include "data/generations.h"
#include "data/held_items.h"
#include "data/names.h"
#include "data/species.h"
#include "data/types.h"

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>

namespace rusrina {
namespace {

using json::Value;

[[noreturn]] void refuse(const std::string& why) {
    throw std::runtime_error(why);
}

void onlyKeys(const Value& object, std::initializer_list<const char*> keys, const std::string& where) {
    if (object.kind != Value::Kind::Object)
        refuse(where + " is not an object");
    const std::set<std::string> known(keys.begin(), keys.end());
    for (const auto& [key, value] : object.members) {
        if (!known.contains(key))
            refuse(where + "." + key + " has no place in the engine's inputs");
    }
}

const Value& member(const Value& object, const char* key, const std::string& where) {
    const Value* v = object.find(key);
    if (!v)
        refuse(where + " lacks " + key);
    return *v;
}

int integerOr(const Value& object, const char* key, int fallback) {
    const Value* v = object.find(key);
    return v ? v->asInt() : fallback;
}

bool flagOf(const Value* object, const char* key) {
    const Value* v = object ? object->find(key) : nullptr;
    return v && v->asBool();
}

std::string textOr(const Value& object, const char* key, const std::string& fallback) {
    const Value* v = object.find(key);
    return v ? v->asString() : fallback;
}

constexpr const char* kStatKeys[kStatCount] = {"hp", "atk", "def", "spa", "spd", "spe"};

std::array<int, kStatCount> statTable(const Value& options, const char* key, int fallback, int most,
                                      const std::string& where) {
    std::array<int, kStatCount> values;
    values.fill(fallback);
    const Value* table = options.find(key);
    if (!table)
        return values;
    onlyKeys(*table, {"hp", "atk", "def", "spa", "spd", "spe"}, where + "." + key);
    for (int s = 0; s < kStatCount; ++s) {
        values[s] = integerOr(*table, kStatKeys[s], fallback);
        if (values[s] < 0 || values[s] > most)
            refuse(where + "." + key + "." + kStatKeys[s] + " out of range");
    }
    return values;
}

// The calculator takes an unnamed gender as male, the engine as unknown: a species that can be
// either must name it.
int genderOf(const std::string& text, int species) {
    constexpr int kMaleOnly = 0, kFemaleOnly = 200;
    const int femaleRate = speciesRecord(species).femaleRate;
    if (text == "M")
        return 1;
    if (text == "F")
        return 2;
    if (text == "N" || (text.empty() && femaleRate == kGenderless))
        return kUnknownGender;
    if (text.empty() && (femaleRate == kMaleOnly || femaleRate == kFemaleOnly))
        return femaleRate == kMaleOnly ? 1 : 2;
    refuse(text.empty() ? "a species that can be either gender needs its gender named" : "gender " + text);
}

// The species row a name reads as. A form that only changes the look reads as its species; the
// forms a plate or a drive makes hold that item; forms the battle state makes (てんきや,
// フラワーギフト) are the case's weather, not a name.
int speciesOf(const std::string& name, int heldItemIndex, Generation gen) {
    const FormMatch match = findSpeciesForm(name);
    // A kept form computes as its row: its stats are the row's, its ability is the case's.
    if (match.reading != FormReading::Row && match.reading != FormReading::BaseSpecies &&
        match.reading != FormReading::KeptForm)
        refuse("species " + name + " is no row of the box");
    if (speciesRecord(match.species).number > (gen == kGen4 ? 493 : 649))
        refuse("species " + name + " is not of the generation");
    const std::string base = speciesEnglishName(match.species);
    const HeldItem& item = heldItem(heldItemIndex);
    if (base == "Arceus") {
        const size_t dash = name.find('-');
        const int formType = dash == std::string::npos ? findType("Normal") : findType(name.substr(dash + 1));
        const int plateType = item.plateType == kNoItemType ? findType("Normal") : item.plateType;
        if (formType != plateType)
            refuse(name + " holds no plate of its type");
    } else if (match.reading == FormReading::BaseSpecies && (base == "Castform" || base == "Cherrim")) {
        refuse("form " + name + " follows the weather: name the species and give the weather");
    } else if (match.reading == FormReading::BaseSpecies && base == "Genesect" && item.driveType == kNoItemType) {
        refuse(name + " holds no drive");
    }
    return match.species;
}

struct SideReading {
    BoxEntry entry{};
    Combatant combatant; // the entry with its held item, gender and happiness
    std::array<int, kStatCount> boosts{};
    bool abilityOn = false;
    std::string status;
    bool lowHp = false;
    int hp = 0; // the HP now when lowHp
};

// The held item and the happiness of a side's options.
void readExtras(const Value& o, Generation gen, const std::string& at, Combatant& c) {
    const std::string item = textOr(o, "item", "");
    c.heldItem = item.empty() ? kNoHeldItem : findHeldItem(item);
    if (c.heldItem < 0 || heldItem(c.heldItem).generation > gen)
        refuse("item " + item + " is no held item of the generation");
    // The oracles take a happiness not given as the highest.
    c.happiness = integerOr(o, "happiness", kFullHappiness);
    if (*c.happiness < 0 || *c.happiness > kFullHappiness)
        refuse(at + ".happiness out of range");
}

// The box entry of a side: its species, level, nature, ability, item row and stats, no moves.
BoxEntry readEntry(const std::string& name, const Value& o, Generation gen, const std::string& at, Combatant& c) {
    BoxEntry e{};
    e.name[0] = 'x';
    e.species = speciesOf(name, c.heldItem, gen);
    c.gender = static_cast<Gender>(genderOf(textOr(o, "gender", ""), e.species));
    e.level = integerOr(o, "level", kMaxLevel);
    if (e.level < kMinLevel || e.level > kMaxLevel)
        refuse(at + ".level out of range");
    const std::string nature = textOr(o, "nature", "Serious");
    e.nature = findNature(nature);
    if (e.nature < 0)
        refuse("nature " + nature);
    // Without one the calculator takes the species' first ability.
    const std::string ability = member(o, "ability", at).asString();
    e.ability = ability == "No Ability" ? 0 : findAbility(ability);
    if (e.ability < 0)
        refuse("ability " + ability);
    e.item = damageRowOfHeldItem(c.heldItem);
    const auto ivs = statTable(o, "ivs", 31, 31, at);
    const auto evs = statTable(o, "evs", 0, 255, at);
    const auto stats = computeEntryStats(e.species, ivs, evs, e.level, e.nature);
    for (int s = 0; s < kStatCount; ++s) {
        e.iv[s] = ivs[s];
        e.ev[s] = evs[s];
        e.stat[s] = stats[s];
    }
    std::fill(std::begin(e.move), std::end(e.move), NO_MOVE);
    return e;
}

SideReading readSide(const Value& side, Generation gen, const std::string& where) {
    onlyKeys(side, {"name", "options"}, where);
    const std::string name = member(side, "name", where).asString();
    static const Value kNoOptions = json::parse("{}");
    const Value* found = side.find("options");
    const Value& o = found ? *found : kNoOptions;
    const std::string at = where + ".options";
    onlyKeys(o,
             {"level", "nature", "ability", "item", "gender", "happiness", "ivs", "evs", "boosts", "status",
              "abilityOn", "curHP", "moves"},
             at);
    SideReading r;
    Combatant& c = r.combatant;
    readExtras(o, gen, at, c);
    r.entry = readEntry(name, o, gen, at, c);
    if (const Value* boosts = o.find("boosts")) {
        onlyKeys(*boosts, {"hp", "atk", "def", "spa", "spd", "spe"}, at + ".boosts");
        for (int s = 0; s < kStatCount; ++s) {
            r.boosts[s] = integerOr(*boosts, kStatKeys[s], 0);
            if (r.boosts[s] < -6 || r.boosts[s] > 6)
                refuse(at + ".boosts out of range");
        }
    }
    r.abilityOn = flagOf(&o, "abilityOn");
    r.status = textOr(o, "status", "");
    r.lowHp = o.find("curHP") != nullptr;
    r.hp = integerOr(o, "curHP", 0);
    c.entry = r.entry;
    return r;
}

constexpr std::array<int, 7> kMagnitudePowers = {10, 30, 50, 70, 90, 110, 150};

// The move in the attacker's first slot. めざめるパワー is named with the type its IVs give and
// carries the power they give, so that the calculator computes what the game does; マグニチュード
// carries the power of one magnitude.
int moveOf(const Value& move, const BoxEntry& attacker, Generation gen, int& magnitudePower) {
    onlyKeys(move, {"name", "options"}, "move");
    std::string name = member(move, "name", "move").asString();
    const Value* options = move.find("options");
    if (options)
        onlyKeys(*options, {"isCrit", "hits", "overrides"}, "move.options");
    const Value* overrides = options ? options->find("overrides") : nullptr;
    const std::string hidden = "Hidden Power ";
    if (name.starts_with(hidden)) {
        const std::array<int, 6> ivs = {attacker.iv[0], attacker.iv[1], attacker.iv[2],
                                        attacker.iv[3], attacker.iv[4], attacker.iv[5]};
        const HiddenPower power = hiddenPowerOf(ivs);
        if (findType(name.substr(hidden.size())) != power.type)
            refuse(name + " is not the type the IVs give");
        if (!overrides)
            refuse(name + " needs the power the IVs give");
        onlyKeys(*overrides, {"basePower"}, "move.options.overrides");
        if (integerOr(*overrides, "basePower", 0) != power.power)
            refuse(name + " is not the power the IVs give");
        name = "Hidden Power";
    } else if (name == "Magnitude" && overrides) {
        onlyKeys(*overrides, {"basePower"}, "move.options.overrides");
        magnitudePower = integerOr(*overrides, "basePower", 0);
        if (std::find(kMagnitudePowers.begin(), kMagnitudePowers.end(), magnitudePower) == kMagnitudePowers.end())
            refuse("no magnitude has the power " + std::to_string(magnitudePower));
    } else if (overrides) {
        refuse("move overrides have no place in the engine's inputs");
    }
    const int index = findMove(name);
    if (index < 0 || !moveExistsIn(index, gen))
        refuse("move " + name + " is not one of the generation");
    return index;
}

// The stage of the one stat the window has a stage for on each side; any other boost is refused.
int stageOf(const SideReading& side, int stat, bool simpleStoresDoubled, const std::string& where) {
    for (int s = 0; s < kStatCount; ++s) {
        if (s != stat && side.boosts[s] != 0)
            refuse(where + " boosts " + kStatKeys[s] + ", which the window has no stage for");
    }
    // The 5th generation stores a stage already doubled by たんじゅん, the window the stage before.
    if (simpleStoresDoubled && side.boosts[stat] != 0)
        refuse(where + " boosts a stat under Simple in the 5th generation");
    return side.boosts[stat];
}

void readField(const Value* field, Scenario& s) {
    if (!field)
        return;
    onlyKeys(*field, {"gameType", "weather", "isGravity", "attackerSide", "defenderSide"}, "field");
    const std::string gameType = textOr(*field, "gameType", "Singles");
    if (gameType != "Singles" && gameType != "Doubles")
        refuse("gameType " + gameType);
    s.field.doubleBattle = gameType == "Doubles";
    const std::string weather = textOr(*field, "weather", "");
    const std::array<std::string, kWeatherCount> weathers = {"", "Sun", "Rain", "Sand", "Hail"};
    const auto w = std::find(weathers.begin(), weathers.end(), weather);
    if (w == weathers.end())
        refuse("weather " + weather);
    s.field.weather = static_cast<int>(w - weathers.begin());
    s.field.gravity = flagOf(field, "isGravity");
    const Value* attackerSide = field->find("attackerSide");
    const Value* defenderSide = field->find("defenderSide");
    if (attackerSide)
        onlyKeys(*attackerSide, {"isHelpingHand", "isFlowerGift"}, "field.attackerSide");
    if (defenderSide)
        onlyKeys(*defenderSide, {"isReflect", "isLightScreen", "isForesight"}, "field.defenderSide");
    s.attacker.side.helpingHand = flagOf(attackerSide, "isHelpingHand");
    s.attacker.side.flowerGift = flagOf(attackerSide, "isFlowerGift");
    s.defender.side.reflect = flagOf(defenderSide, "isReflect");
    s.defender.side.lightScreen = flagOf(defenderSide, "isLightScreen");
    s.defender.side.identified = flagOf(defenderSide, "isForesight");
}

} // namespace

OracleCase oracleCaseFrom(const Value& c) {
    onlyKeys(c, {"id", "gen", "attacker", "defender", "move", "field", "covers", "defenderMove", "calc", "expect"},
             "case");
    OracleCase out;
    out.id = member(c, "id", "case").toJson();
    const int gen = member(c, "gen", "case").asInt();
    if (gen != kGen4 && gen != kGen5)
        refuse("generation " + std::to_string(gen));
    const Generation generation = static_cast<Generation>(gen);
    const SideReading attacker = readSide(member(c, "attacker", "case"), generation, "attacker");
    const SideReading defender = readSide(member(c, "defender", "case"), generation, "defender");
    Scenario& s = out.scenario;
    s.attacker = attacker.combatant;
    s.defender = defender.combatant;
    if (attacker.lowHp)
        s.attacker.state.hp = HpNow{attacker.hp, false};
    BoxEntry& attackerEntry = *s.attacker.entry;

    const Value& move = member(c, "move", "case");
    const int index = moveOf(move, attackerEntry, generation, out.magnitudePower);
    attackerEntry.move[0] = index;
    out.slot = DamageSlot::moveRow(0, index);
    const Value* moveOptions = move.find("options");
    s.mode = generation == kGen4 ? DamageMode::ExactGen4 : DamageMode::ExactGen5;
    s.critical = flagOf(moveOptions, "isCrit");
    out.hits = moveOptions ? integerOr(*moveOptions, "hits", 0) : 0;

    readField(c.find("field"), s);
    if (!attacker.status.empty() && attacker.status != "brn" && !attacker.abilityOn)
        refuse("attacker status " + attacker.status + " has no place in the window without its ability on");
    if (attacker.lowHp && !attacker.abilityOn)
        refuse("attacker curHP has no place in the window without its ability on");
    if (!defender.status.empty() || defender.lowHp || defender.abilityOn)
        refuse("the defender's status, HP or ability state has no place in the window");
    s.assumed.burn = attacker.status == "brn";
    // 特性発動 for よわき means its HP is at half or less, for しんりょく and its kind a third or less;
    // the oracles read the HP alone, so a case whose HP is above that (full, or a ヌケニン's 1 of
    // 1) with the ability "on" is one that does not act.
    const int ability = attackerEntry.ability;
    const int maxHp = attackerEntry.stat[0];
    const bool pinch = ability == findAbility("Overgrow") || ability == findAbility("Blaze") ||
                       ability == findAbility("Torrent") || ability == findAbility("Swarm");
    const bool hpTooHigh = (ability == findAbility("Defeatist") && (!attacker.lowHp || 2 * attacker.hp > maxHp)) ||
                           (pinch && attacker.lowHp && 3 * attacker.hp > maxHp);
    s.assumed.abilityActive = attacker.abilityOn && !hpTooHigh;

    const ExactAttack probe =
        prepareExactAttack(ExactSide(attackerEntry), out.slot, BattleConditions{}, exactOptionsOf(s));
    const bool simpleStoresDoubled = generation == kGen5;
    s.assumed.attackStage = stageOf(attacker, attackingStatOf(probe),
                                    simpleStoresDoubled && findAbility("Simple") == attackerEntry.ability, "attacker");
    s.assumed.defenceStage =
        stageOf(defender, defendingStatOf(probe),
                simpleStoresDoubled && findAbility("Simple") == defender.entry.ability, "defender");
    return out;
}

namespace {

// Nothing dealt: a first hit of 0 on every roll (the 5th generation's final modifiers can take 1
// down to 0), which the oracles give as no hit at all.
void clearWhenNothingDealt(OracleAnswer& answer) {
    const auto nothing = [](const OracleRolls& r) {
        return std::all_of(r.begin(), r.end(), [](int v) { return v == 0; });
    };
    if (!answer.hits.empty() && nothing(answer.hits.front()))
        answer.hits.clear();
}

OracleAnswer engineHits(const OracleCase& c) {
    const ExactRolls rolls = calculateHit(c.scenario, c.slot).rolls;
    OracleAnswer answer;
    if (!rolls.hits())
        return answer;
    if (c.magnitudePower > 0) {
        // The magnitude asked for: the roll set of its power.
        for (const HitRolls& set : rolls.sets)
            if (set.power == c.magnitudePower) {
                answer.hits.push_back(set.rolls);
                return answer;
            }
    }
    // A move of several hits: as many as the case asks for, else its own count; for 2 to 5 hits
    // the oracles' default, 3 (5 with スキルリンク).
    int count = rolls.mostHits();
    if (c.hits > 0)
        count = std::min(c.hits, count);
    else if (rolls.firstUse.size() > 1 && rolls.kind == OutcomeKind::HitCount)
        count = c.scenario.attacker.entry->ability == findAbility("Skill Link") ? count : std::min(3, count);
    for (int i = 0; i < count; ++i)
        answer.hits.push_back(rolls.hitRolls(i));
    return answer;
}

} // namespace

OracleAnswer engineAnswer(const OracleCase& c) {
    OracleAnswer answer = engineHits(c);
    clearWhenNothingDealt(answer);
    return answer;
}

namespace {

OracleRolls rollsOf(const Value& list) {
    OracleRolls rolls{};
    if (list.items().size() != kRollCount)
        refuse("an answer needs 16 rolls");
    for (int i = 0; i < kRollCount; ++i) {
        const Value& roll = list.items()[i];
        rolls[i] = roll.kind == Value::Kind::Null ? 0 : roll.asInt();
    }
    return rolls;
}

} // namespace

OracleAnswer oracleAnswerFrom(const Value& answer) {
    OracleAnswer out;
    if (const Value* perHit = answer.find("perHit")) {
        for (const Value& hit : perHit->items())
            out.hits.push_back(rollsOf(hit));
    } else if (const Value* rolls = answer.find("rolls")) {
        out.hits.push_back(rollsOf(*rolls));
    }
    clearWhenNothingDealt(out);
    return out;
}

std::string answerText(const OracleAnswer& answer) {
    if (answer.hits.empty())
        return "none";
    std::string text;
    for (const OracleRolls& hit : answer.hits) {
        if (!text.empty())
            text += "| ";
        for (int32_t roll : hit)
            text += std::to_string(roll) + " ";
    }
    return text;
}

} // namespace rusrina

namespace rusrina {

namespace {

// Takes a member out of an object, null when absent.
std::optional<json::Value> takeOut(json::Value* object, const std::string& key) {
    if (!object || object->kind != json::Value::Kind::Object)
        return std::nullopt;
    const auto at = object->members.find(key);
    if (at == object->members.end())
        return std::nullopt;
    json::Value v = at->second;
    object->members.erase(at);
    return v;
}

json::Value* memberOf(json::Value& object, const std::string& key) {
    const auto at = object.members.find(key);
    return at == object.members.end() ? nullptr : &at->second;
}

void takeBoosts(json::Value* options, CombatantState& side) {
    const std::optional<json::Value> boosts = takeOut(options, "boosts");
    if (!boosts)
        return;
    const std::pair<const char*, int> stats[] = {{"atk", kStageAttack},
                                                 {"def", kStageDefence},
                                                 {"spa", kStageSpAttack},
                                                 {"spd", kStageSpDefence},
                                                 {"spe", kStageSpeed}};
    for (const auto& [key, stage] : stats)
        if (const json::Value* b = boosts->find(key))
            side.stages[stage] = static_cast<int8_t>(std::clamp(b->asInt(), kLowestStage, kHighestStage));
}

StatusCondition statusNamed(const std::string& name) {
    const std::pair<const char*, StatusCondition> names[] = {
        {"psn", StatusCondition::Poison},    {"tox", StatusCondition::BadPoison}, {"brn", StatusCondition::Burn},
        {"par", StatusCondition::Paralysis}, {"slp", StatusCondition::Sleep},     {"frz", StatusCondition::Freeze}};
    for (const auto& [key, status] : names)
        if (name == key)
            return status;
    throw std::runtime_error("status " + name);
}

} // namespace

OracleCase oracleStateCaseFrom(const json::Value& given) {
    json::Value c = given;
    json::Value* attacker = memberOf(c, "attacker");
    json::Value* defender = memberOf(c, "defender");
    json::Value* attackerOptions = attacker ? memberOf(*attacker, "options") : nullptr;
    json::Value* defenderOptions = defender ? memberOf(*defender, "options") : nullptr;
    CombatantState attackerState, d;
    takeBoosts(attackerOptions, attackerState);
    takeBoosts(defenderOptions, d);
    if (const auto status = takeOut(defenderOptions, "status"))
        d.status = statusNamed(status->asString());
    if (const auto counter = takeOut(defenderOptions, "toxicCounter"))
        d.toxicTurns = counter->asInt();
    if (const auto hp = takeOut(defenderOptions, "curHP"))
        d.hp = HpNow{hp->asInt(), false};
    json::Value* field = memberOf(c, "field");
    json::Value* side = field ? memberOf(*field, "defenderSide") : nullptr;
    if (const auto sr = takeOut(side, "isSR"))
        d.stealthRock = sr->asBool();
    if (const auto spikes = takeOut(side, "spikes"))
        d.spikes = spikes->asInt();
    if (const auto seeded = takeOut(side, "isSeeded"))
        d.seeded = seeded->asBool();
    d.switchingIn = d.stealthRock || d.spikes > 0;
    OracleCase out = oracleCaseFrom(c);
    Scenario& s = out.scenario;
    attackerState.hp = s.attacker.state.hp; // curHP of the attacker stays with the case
    s.attacker.state = attackerState;
    s.defender.state = d;
    s.field.countTurnEnd = true;
    s = scenarioWithinRange(s);
    return out;
}

KoChance engineStateKo(const OracleCase& c, TurnEndPlan* planOut) {
    const ExactAnswer answer = calculateHit(c.scenario, c.slot);
    if (planOut)
        *planOut = answer.turnEnd;
    return answer.ko;
}

} // namespace rusrina
