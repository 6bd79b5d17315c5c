// Developer tool: damage cases as JSON lines on standard input, one JSON line of results per case
// on standard output, so that any case can be held against another calculator. A line that cannot
// be read gives {"line":N,"error":"..."} and the tool goes on with the next.
//
// A case (every field but the two creatures and the move may be left out):
//   {"id":"c1","mode":"gen5","critical":false,"row":0,"move":52,
//    "direct":{"power":120,"category":1,"type":12},
//    "attacker":{"species":5,"level":50,"nature":3,"ability":81,"item":14,
//                "ivs":[31,31,31,31,31,31],"evs":[0,252,0,0,4,252],
//                "heldItem":150,"gender":1,"happiness":70},
//    "defender":{"species":93,"level":50,"stats":[135,85,80,150,95,130]},
//    "conditions":{"weather":1,"attackStage":2,"defenceStage":-1,"helpingHand":true}}
// "state" (the exact modes' battle state; every key may be left out, each at its neutral default):
//   {"attacker":{"status":"burn","hp":50,"hpIsShare":true,"stages":[1,0,0,0,2,0,0],"tailwind":true,
//                "charged":true,"flashFire":true},
//    "defender":{"status":"toxic","toxicTurns":2,"stealthRock":true,"spikes":1,"seeded":true,
//                "switchingIn":true},
//    "field":{"trickRoom":true,"magicRoom":true,"wonderRoom":true,"countTurnEnd":true}}
// status: "none", "burn", "poison", "toxic", "paralysis", "sleep", "freeze"; stages in the order
// attack, defence, sp.attack, sp.defence, speed, accuracy, evasion.
// mode: "simple", "gen5" or "gen4"; "stats" gives the six stats directly instead of IVs and EVs;
// stages run from -6 to +6; "direct" replaces "move" for the direct-value row; "log":true adds
// the calculation log. "heldItem" is the full held item (data/held_items.h; "item", the damage-item
// row, then defaults to the row it stands for), "gender" 0 unknown, 1 male, 2 female.
//
// With --oracle, each line is instead a case in the damage oracles' format (src/devtools/oracle_case.h)
// and the answer is the engine's rolls per hit: {"id":…,"hits":[[16 rolls],…]} (no hit when nothing
// is dealt), or {"id":…,"error":"…"} when the case cannot be read as the engine's inputs;
// --oracle-log adds the steps the engine recorded, a line each ("steps"). --oracle-state reads a case
// with a battle state (make_state_fixture.mjs) and answers the verdict with the hazards and the end of
// turn: {"id":…,"n":2,"chance":0.4375,"counted":[turn-end kinds]}.

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/natures.h"
#include "devtools/json_value.h"
#include "devtools/oracle_case.h"
#include "devtools/oracle_duel.h"
#include "devtools/oracle_sequence.h"
#include "view/box/damage_view.h"
#include "view/box/exact_log.h"
#include "view/box/exact_row.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using namespace rusrina;
using json::Value;

int integer(const Value& object, const char* key, int fallback) {
    const Value* v = object.find(key);
    return v ? v->asInt() : fallback;
}

// A value the box and damage window or the edit form could hold, or an error line naming it: a
// case the program itself could never compute is no case to compare.
int inRange(int value, int min, int max, const std::string& what) {
    if (value < min || value > max)
        throw std::runtime_error(what + " must be " + std::to_string(min) + " to " + std::to_string(max) + " (given " +
                                 std::to_string(value) + ")");
    return value;
}

int ranged(const Value& object, const char* key, int fallback, int min, int max, const std::string& side) {
    return inRange(integer(object, key, fallback), min, max, side + key);
}

std::array<int, 6> six(const Value& object, const char* key, int fallback, int min, int max, const std::string& side) {
    std::array<int, 6> values;
    values.fill(fallback);
    if (const Value* v = object.find(key)) {
        if (v->items().size() != 6)
            throw std::runtime_error(side + key + " needs six numbers");
        for (int i = 0; i < 6; ++i)
            values[i] = inRange(v->items()[i].asInt(), min, max, side + key + "[" + std::to_string(i) + "]");
    }
    return values;
}

// One of the values a chooser of the box and damage window offers.
int offered(const Value& object, const char* key, int fallback, const std::vector<ListChoice>& choices) {
    const int value = integer(object, key, fallback);
    if (std::none_of(choices.begin(), choices.end(), [value](const ListChoice& c) { return c.value == value; }))
        throw std::runtime_error(std::string("direct.") + key + " is not one the window offers (given " +
                                 std::to_string(value) + ")");
    return value;
}

// The held item, gender and happiness, as the box keeps them beside the entry.
EntryExtra extraOf(const Value& c, const std::string& side) {
    EntryExtra x;
    x.heldItem = ranged(c, "heldItem", kItemOfRecord, kItemOfRecord, heldItemCount() - 1, side);
    x.gender = static_cast<Gender>(ranged(c, "gender", 0, 0, kGenderCount - 1, side));
    x.happiness = ranged(c, "happiness", kDefaultHappiness, 0, 255, side);
    return x;
}

BoxEntry creature(const Value& c, const std::string& side, const EntryExtra& extra) {
    BoxEntry e{};
    e.name[0] = 'x';
    e.species = ranged(c, "species", 0, 0, kSpeciesCount - 1, side);
    e.level = ranged(c, "level", 50, 1, kMaxLevel, side);
    e.nature = ranged(c, "nature", 0, 0, kNatureCount - 1, side);
    e.ability = ranged(c, "ability", 0, 0, kAbilityCount - 1, side);
    const int heldRow = extra.heldItem == kItemOfRecord ? 0 : heldItemFields(extra.heldItem).row;
    e.item = ranged(c, "item", heldRow, 0, kDamageItemCount - 1, side);
    const auto ivs = six(c, "ivs", 31, 0, kEntryMaxIv, side), evs = six(c, "evs", 0, 0, kEntryMaxEv, side);
    for (int i = 0; i < 6; ++i) {
        e.iv[i] = ivs[i];
        e.ev[i] = evs[i];
    }
    if (c.find("stats")) {
        e.statsDirect = 1;
        const auto stats = six(c, "stats", 1, kEntryMinStat, kEntryMaxStat, side);
        std::copy(stats.begin(), stats.end(), e.stat);
    } else {
        const auto stats = computeEntryStats(e.species, ivs, evs, e.level, e.nature);
        std::copy(stats.begin(), stats.end(), e.stat);
    }
    for (int& m : e.move)
        m = NO_MOVE;
    return e;
}

// The condition boxes, into the scenario they stand for.
void readConditions(const Value* c, Scenario& s) {
    if (!c)
        return;
    const auto flag = [c](const char* key) {
        const Value* v = c->find(key);
        return v && v->asBool();
    };
    const std::string side = "conditions.";
    s.field.weather = ranged(*c, "weather", kWeatherNone, 0, kWeatherCount - 1, side);
    s.assumed.attackStage = ranged(*c, "attackStage", 0, kLowestStage, kHighestStage, side);
    s.assumed.defenceStage = ranged(*c, "defenceStage", 0, kLowestStage, kHighestStage, side);
    s.attacker.side.helpingHand = flag("helpingHand");
    s.assumed.burn = flag("burn");
    s.attacker.side.flowerGift = flag("flowerGift");
    s.defender.side.reflect = flag("reflect");
    s.defender.side.lightScreen = flag("lightScreen");
    s.field.gravity = flag("gravity");
    s.defender.side.identified = flag("foresight");
    s.assumed.abilityActive = flag("abilityActive");
    s.assumed.berryActive = flag("berryActive");
    s.field.doubleBattle = flag("doubleBattle");
    s.defender.side.friendGuard = flag("friendGuard");
}

// One side's battle state: a key left out is what the player has not said.
CombatantState combatantState(const Value* s, const std::string& side) {
    CombatantState out;
    if (!s)
        return out;
    const auto flag = [s](const char* key) {
        const Value* v = s->find(key);
        return v && v->asBool();
    };
    if (const Value* status = s->find("status")) {
        const std::string names[] = {"none", "burn", "poison", "toxic", "paralysis", "sleep", "freeze"};
        const auto at = std::find(std::begin(names), std::end(names), status->asString());
        if (at == std::end(names))
            throw std::runtime_error(side + "status must be none, burn, poison, toxic, paralysis, sleep or freeze");
        if (at != std::begin(names))
            out.status = static_cast<StatusCondition>(at - std::begin(names));
    }
    out.toxicTurns = ranged(*s, "toxicTurns", 1, 1, kMostToxicTurns, side);
    const bool share = !s->find("hpIsShare") || flag("hpIsShare");
    const int hp = ranged(*s, "hp", 100, 1, share ? 100 : kEntryMaxStat, side);
    if (!(share && hp == 100))
        out.hp = HpNow{hp, share};
    if (const Value* stages = s->find("stages")) {
        const std::vector<Value>& items = stages->items();
        if (items.size() != kStageStatCount)
            throw std::runtime_error(side + "stages must hold 7 stages");
        for (int i = 0; i < kStageStatCount; ++i)
            out.stages[i] =
                static_cast<int8_t>(inRange(items[i].asInt(), kLowestStage, kHighestStage, side + "stages"));
    }
    out.tailwind = flag("tailwind");
    out.stealthRock = flag("stealthRock");
    out.spikes = ranged(*s, "spikes", 0, 0, kMostSpikes, side);
    out.seeded = flag("seeded");
    out.charged = flag("charged");
    out.flashFire = flag("flashFire");
    out.switchingIn = flag("switchingIn");
    return out;
}

void readState(const Value* state, Scenario& s) {
    if (!state)
        return;
    s.attacker.state = combatantState(state->find("attacker"), "state.attacker.");
    s.defender.state = combatantState(state->find("defender"), "state.defender.");
    if (const Value* f = state->find("field")) {
        const auto flag = [f](const char* key) {
            const Value* v = f->find(key);
            return v && v->asBool();
        };
        s.field.trickRoom = flag("trickRoom");
        s.field.magicRoom = flag("magicRoom");
        s.field.wonderRoom = flag("wonderRoom");
        s.field.countTurnEnd = flag("countTurnEnd");
    }
}

DamageMode mode(const Value& c) {
    const Value* m = c.find("mode");
    const std::string name = m ? m->asString() : "gen5";
    if (name == "simple")
        return DamageMode::Simple;
    if (name == "gen5")
        return DamageMode::ExactGen5;
    if (name == "gen4")
        return DamageMode::ExactGen4;
    throw std::runtime_error("mode must be simple, gen5 or gen4");
}

// The case as the scenario it stands for, the moves of rows 4 and 5, and the row asked for.
struct CalcCase {
    Scenario scenario;
    RowMoves moves;
    int row = 0;
};

CalcCase caseFor(const Value& c) {
    const Value* attacker = c.find("attacker");
    const Value* defender = c.find("defender");
    if (!attacker || !defender)
        throw std::runtime_error("a case needs an attacker and a defender");
    CalcCase out;
    Scenario& s = out.scenario;
    const EntryExtra attackerExtra = extraOf(*attacker, "attacker.");
    const EntryExtra defenderExtra = extraOf(*defender, "defender.");
    s.attacker = combatantOf(creature(*attacker, "attacker.", attackerExtra), attackerExtra);
    s.defender = combatantOf(creature(*defender, "defender.", defenderExtra), defenderExtra);
    readConditions(c.find("conditions"), s);
    readState(c.find("state"), s);
    s.mode = mode(c);
    const Value* crit = c.find("critical");
    s.critical = crit && crit->asBool();
    if (const Value* d = c.find("direct")) {
        out.row = kDirectRow;
        out.moves.direct = {offered(*d, "power", 5, directPowerChoices()),
                            offered(*d, "category", kPhysical, directCategoryChoices()),
                            offered(*d, "type", 0, directTypeChoices())};
        return out;
    }
    out.row = ranged(c, "row", 0, 0, kDirectRow - 1, "");
    const int move = integer(c, "move", NO_MOVE);
    if (move != NO_MOVE && !isValidMove(move))
        inRange(move, 0, kMoveCount - 1, "move");
    if (out.row == kLearnableRow)
        out.moves.learnableMove = move;
    else
        s.attacker.entry->move[out.row] = move;
    return out;
}

std::string resultLine(const Value& c) {
    const CalcCase calc = caseFor(c);
    const ExactRowResult r = computeRowsInMode(calc.scenario, calc.moves)[calc.row];
    std::string out = "{";
    if (const Value* id = c.find("id"))
        out += "\"id\":" + id->toJson() + ",";
    out += "\"damage\":" + json::quoted(r.texts.damageText) + ",\"hits\":" + json::quoted(r.texts.hitsText) +
           ",\"multiplier\":" + json::quoted(r.texts.multiplierText);
    if (isExact(calc.scenario.mode)) {
        out += ",\"hpShare\":" + json::quoted(r.hpShareText) + ",\"rolls\":[";
        if (r.rolls.hits()) {
            for (int i = 0; i < kRollCount; ++i)
                out += (i ? "," : "") + std::to_string(r.rolls.rolls[i]);
        }
        out += "]";
    }
    const Value* log = c.find("log");
    if (log && log->asBool())
        out += ",\"log\":" + json::quoted(r.texts.log.text());
    return out + "}";
}

std::string oracleSteps(const OracleCase& c) {
    const ExactRecord record = calculateHit(c.scenario, c.slot, true).record;
    std::string steps;
    for (const ExactStep& step : record.steps)
        steps += exactStepText(step, record.generation) + "\n";
    return steps;
}

std::string oracleStateLine(const Value& c) {
    const Value* id = c.find("id");
    const std::string head = "{\"id\":" + (id ? id->toJson() : std::string("null"));
    try {
        TurnEndPlan plan;
        const KoChance ko = engineStateKo(oracleStateCaseFrom(c), &plan);
        std::string counted;
        for (const TurnEndStep& s : plan.steps())
            counted += (counted.empty() ? "" : ",") + std::to_string(static_cast<int>(s.kind));
        char chance[32];
        std::snprintf(chance, sizeof chance, "%.17g", ko.chance);
        return head + ",\"n\":" + std::to_string(ko.hits) + ",\"chance\":" + chance + ",\"counted\":[" + counted + "]}";
    } catch (const std::exception& e) {
        return head + ",\"error\":" + json::quoted(e.what()) + "}";
    }
}

// A one-on-one case: the first side's chances.
std::string duelCaseLine(const Value& c) {
    const Value* id = c.find("id");
    try {
        const OracleDuel d = oracleDuelFrom(c);
        return duelLine(d.id, computeDuel(d.scenario, d.first, d.second));
    } catch (const std::exception& e) {
        return "{\"id\":" + (id ? id->toJson() : std::string("null")) + ",\"error\":" + json::quoted(e.what()) + "}";
    }
}

// A sequence case of the simulator's fixture: the chance that the defender has fallen by the end of
// each use, misses and critical hits counted.
std::string oracleSequenceLine(const Value& c) {
    const Value* id = c.find("id");
    const std::string head = "{\"id\":" + (id ? id->toJson() : std::string("null"));
    try {
        const OracleSequence s = oracleSequenceFrom(c);
        const SequenceResult r = computeSequence(s.input);
        std::string ko;
        for (const SequenceUseResult& u : r.uses) {
            char chance[32];
            std::snprintf(chance, sizeof chance, "%.17g", u.knockedOut);
            ko += (ko.empty() ? "" : ",") + std::string(chance);
        }
        return head + ",\"status\":" + std::to_string(static_cast<int>(r.status)) + ",\"ko\":[" + ko + "]}";
    } catch (const std::exception& e) {
        return head + ",\"error\":" + json::quoted(e.what()) + "}";
    }
}

std::string oracleLine(const Value& c, bool withSteps) {
    const Value* id = c.find("id");
    std::string head = "{\"id\":" + (id ? id->toJson() : std::string("null"));
    OracleAnswer answer;
    try {
        const OracleCase oracleCase = oracleCaseFrom(c);
        answer = engineAnswer(oracleCase);
        if (withSteps)
            head += ",\"steps\":" + json::quoted(oracleSteps(oracleCase));
    } catch (const std::exception& e) {
        return head + ",\"error\":" + json::quoted(e.what()) + "}";
    }
    std::string out = head + ",\"hits\":[";
    for (size_t h = 0; h < answer.hits.size(); ++h) {
        out += h ? ",[" : "[";
        for (int i = 0; i < kRollCount; ++i)
            out += (i ? "," : "") + std::to_string(answer.hits[h][i]);
        out += "]";
    }
    return out + "]}";
}

} // namespace

constexpr char kUsage[] =
    "rusrina-calc [--oracle | --oracle-log | --oracle-state | --oracle-sequence | --duel] < cases.jsonl\n"
    "One JSON case a line on standard input, one JSON answer a line on standard output.\n"
    "A case: id, mode (simple, gen5, gen4), critical, row, move or direct {power, category, type},\n"
    "attacker and defender {species, level, nature, ability, item, ivs, evs or stats, heldItem, gender,\n"
    "happiness}, conditions {weather, attackStage, defenceStage, helpingHand, burn, flowerGift, reflect,\n"
    "lightScreen, gravity, foresight, abilityActive, berryActive, doubleBattle, friendGuard}, log, and\n"
    "state (the exact modes' battle state, every key optional):\n"
    "  attacker / defender {status: none burn poison toxic paralysis sleep freeze, toxicTurns 1-15,\n"
    "    hp, hpIsShare (hp in percent, the default, else a value), stages [attack, defence, sp.attack,\n"
    "    sp.defence, speed, accuracy, evasion] each -6..6, tailwind, stealthRock, spikes 0-3, seeded,\n"
    "    charged, flashFire, switchingIn}\n"
    "  field {trickRoom, magicRoom, wonderRoom, countTurnEnd}\n"
    "--oracle: cases in the damage oracles' format, answered with the rolls of each hit;\n"
    "--oracle-log adds the engine's steps; --oracle-state reads a case with a battle state and answers\n"
    "the chance to knock out with the hazards and the end of turn; --oracle-sequence reads a sequence case\n"
    "(tools/damage-oracle/sequence_sim.mjs) and answers the chance the defender has fallen by each use;\n"
    "--duel reads a one-on-one case (tools/damage-oracle/duel_sim.mjs: attacker, defender, attackerMove,\n"
    "defenderMove, gen, field) and answers the first side's win, draw, lose and unresolved chances.\n";

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--help" || mode == "-h") {
        std::cout << kUsage;
        return 0;
    }
    const bool oracle = mode == "--oracle" || mode == "--oracle-log";
    std::string line;
    long number = 0;
    while (std::getline(std::cin, line)) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        try {
            const Value c = json::parse(line);
            std::cout << (mode == "--duel"              ? duelCaseLine(c)
                          : mode == "--oracle-sequence" ? oracleSequenceLine(c)
                          : mode == "--oracle-state"    ? oracleStateLine(c)
                          : oracle                      ? oracleLine(c, mode == "--oracle-log")
                                                        : resultLine(c))
                      << '\n';
        } catch (const std::exception& e) {
            std::cout << "{\"line\":" << number << ",\"error\":" << json::quoted(e.what()) << "}\n";
        }
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
