#pragma once
// Effective speed and who moves first, in the 4th and 5th generations. Each side's speed stat goes
// through its stage, its ability, its item, まひ and おいかぜ with the generation's own arithmetic;
// the two moves' priorities decide first, then the two speeds (the other way round under
// トリックルーム). What applied is recorded, not worded: the views word it.

#include "data/generations.h"
#include "data/ids.h"

#include <array>
#include <cstdint>

namespace rusrina {

enum class SpeedStatus : uint8_t { None, Paralysis, Other }; // Other: やけど, どく, もうどく, ねむり, こおり

// One side as speed and order read it.
struct SpeedSide {
    int stat = 0;    // the speed stat
    int stage = 0;   // -6 .. +6
    int species = 0; // species index (スピードパウダー reads it)
    AbilityId ability = AbilityId::None;
    ItemId heldItem = ItemId::None;
    SpeedStatus status = SpeedStatus::None;
    bool tailwind = false;       // おいかぜ on this side
    bool itemUsedUp = false;     // the held item was eaten or lost: かるわざ acts, no item does
    bool slowStartActive = true; // スロースタート is in its first five turns
    MoveId move = kNoMoveId;     // the move chosen; none: priority 0
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
    int stat = 0;               // the speed stat
    int stage = 0;              // the stage as it acted (たんじゅん's doubled in the 4th generation), -6 .. +6
    int staged = 0;             // after the stage
    int speed = 0;              // after everything: what the order compares
    ItemId item = ItemId::None; // the held item that acted
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
int movePriority(MoveId move, AbilityId ability, Generation generation);

// The number the game orders the same priority by, higher first: the speed, or under トリックルーム
// its reverse.
int actionSpeed(int speed, bool trickRoom);

} // namespace rusrina
