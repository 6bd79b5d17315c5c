#pragma once
// Effective speed and who moves first, in the 4th and 5th generations. Each side's speed stat goes
// through its stage, its ability, its item, まひ and おいかぜ with the generation's own arithmetic;
// the two moves' priorities decide first, then the two speeds (the other way round under
// トリックルーム). What applied is recorded, not worded: the views word it.

#include "data/generations.h"

#include <array>
#include <cstdint>

namespace rusrina {

// Abilities and held items that act on speed or on the order within a priority, by their indices
// in data/abilities.h and data/held_items.h. ぶきよう (kAbilityKlutz) silences every held item but
// the training items that halve speed.
enum SpeedAbility {
    kAbilityStall = 4,         // あとだし: last among moves of the same priority
    kAbilityAirLock = 13,      // エアロック: no weather acts
    kAbilityUnburden = 20,     // かるわざ: ×2 once the held item is used up
    kAbilitySwiftSwim = 41,    // すいすい: ×2 in rain
    kAbilitySlowStart = 48,    // スロースタート: ×½ for its first five turns
    kAbilityCloudNine = 75,    // ノーてんき: no weather acts
    kAbilityQuickFeet = 79,    // はやあし: ×1.5 with a status, and まひ takes nothing
    kAbilityChlorophyll = 118, // ようりょくそ: ×2 in sun
    kAbilityPrankster = 126,   // いたずらごころ: status moves +1 priority (5th generation)
    kAbilitySandRush = 136,    // すなかき: ×2 in a sandstorm (5th generation)
};
enum SpeedItem {
    kItemCustapBerry = 102, // イバンのみ: at ¼ HP or less, first among its priority (a state, not a stat)
    kItemMachoBrace = 107,  // きょうせいギプス: ×½
    kItemQuickClaw = 108,   // せんせいのツメ: a 20 % chance to go first among its priority
    kItemQuickPowder = 154, // スピードパウダー: ×2 for メタモン
    kItemIronBall = 158,    // くろいてっきゅう: ×½
    kItemLaggingTail = 159, // こうこうのしっぽ: last among moves of the same priority
    kItemChoiceScarf = 167, // こだわりスカーフ: ×1.5
    kItemPowerBracer = 169, // the six パワー items 169..174: ×½
    kItemPowerWeight = 174,
    kItemFullIncense = 196, // まんぷくのおこう: as こうこうのしっぽ
};
inline constexpr int kDittoSpecies = 131; // species index (national number 132)

enum class SpeedStatus : uint8_t { None, Paralysis, Other }; // Other: やけど, どく, もうどく, ねむり, こおり

// One side as speed and order read it.
struct SpeedSide {
    int stat = 0;    // the speed stat
    int stage = 0;   // -6 .. +6
    int species = 0; // species index (スピードパウダー reads it)
    int ability = 0;
    int heldItem = 0;
    SpeedStatus status = SpeedStatus::None;
    bool tailwind = false;       // おいかぜ on this side
    bool itemUsedUp = false;     // the held item was eaten or lost: かるわざ acts, no item does
    bool slowStartActive = true; // スロースタート is in its first five turns
    int move = -1;               // the move chosen (data/moves.h index); -1: none, priority 0
};

struct SpeedField {
    Generation generation = kGen5;
    int weather = 0; // data/items.h Weather; turnOrder drops it when either side has ノーてんき or エアロック
    bool trickRoom = false;
    bool magicRoom = false; // 5th generation: no held item acts
};

// What changed a side's speed, in the order it applied.
enum class SpeedFactor : uint8_t {
    SwiftSwim,          // ×2
    Chlorophyll,        // ×2
    SandRush,           // ×2
    ChoiceScarf,        // ×1.5
    HalvingItem,        // ×½ (くろいてっきゅう, きょうせいギプス, パワー items; `item` says which)
    QuickPowder,        // ×2
    QuickFeet,          // ×1.5
    Paralysis,          // ×¼
    QuickFeetParalysis, // まひ, but はやあし keeps its speed
    SlowStart,          // ×½
    Unburden,           // ×2
    Tailwind,           // ×2
};

struct EffectiveSpeed {
    int stat = 0;   // the speed stat
    int stage = 0;  // the stage as it acted (たんじゅん's doubled in the 4th generation), -6 .. +6
    int staged = 0; // after the stage
    int speed = 0;  // after everything: what the order compares
    int item = 0;   // the held item that acted (0 when none did)
    std::array<SpeedFactor, 10> factors{};
    int factorCount = 0;
    bool has(SpeedFactor f) const;
};

// The speed the order compares, with what applied.
EffectiveSpeed effectiveSpeed(const SpeedSide& side, const SpeedField& field);

// Who moves first: decided by priority, then by speed, or a tie the game breaks at random (50 %).
enum class TurnOrder : uint8_t { First, Second, Tie };
enum class OrderReason : uint8_t {
    Priority, // the priorities differ
    LastInBracket, // same priority, one side moves later in it (あとだし, こうこうのしっぽ, まんぷくのおこう)
    Speed,     // same priority, the speeds decide (reversed under トリックルーム)
    SameSpeed, // same priority and speed
};
struct OrderResult {
    TurnOrder order = TurnOrder::Tie; // for the first side
    OrderReason reason = OrderReason::SameSpeed;
    std::array<EffectiveSpeed, 2> speed{};
    std::array<int, 2> priority{}; // each move's priority, with いたずらごころ
    // How late each side moves among its priority: 0 not; あとだし, こうこうのしっぽ and まんぷくのおこう
    // 1, but in the 4th generation the two items 2. When both are late alike, the 4th generation
    // lets the slower one go first, トリックルーム or not.
    std::array<int, 2> lateness{};
    bool slowerFirst = false;           // the 4th generation's rule for two late sides decided
    std::array<bool, 2> chanceToLead{}; // せんせいのツメ or イバンのみ held: may go first among its priority
    bool trickRoom = false;             // トリックルーム was up
};
OrderResult turnOrder(const SpeedSide& first, const SpeedSide& second, const SpeedField& field);

// A move's priority for a side: the move's own, plus いたずらごころ's +1 for a status move in the
// 5th generation. 0 for no move.
int movePriority(int move, int ability, Generation generation);

// The number the game orders the same priority by, higher first: the speed, or under トリックルーム
// its reverse.
int actionSpeed(int speed, bool trickRoom);

} // namespace rusrina
