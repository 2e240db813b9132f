#pragma once
// The layout search's part of the packing workspace: the item table offered to one container,
// the container parameters, the corner list, the placement pass totals and the search state.
// PackWorkspace derives from this record, so every field is read and written as a plain
// workspace field by the driver and the search alike.

#include <array>
#include <cstdint>
#include <vector>

#include "PlacedGrid.h"

namespace palvane {

// Item slots of the search: items are numbered 1..1001, slot 0 is a sentinel.
inline constexpr int kItemSlots = 1002;
// Entries of the turning-variant signature table.
inline constexpr int kVariantSigSlots = 304;
// Entries of each rule signature table.
inline constexpr int kRuleSigSlots = 1203;

// A length, width or position in the search's own coordinates. Box sizes there include the item
// gap and the floor is the inner size plus one gap, so values can pass 32767 (a box 32000 long
// with a gap of 5000); they are therefore kept in 32 bits. Values that fit are the same numbers
// the 16-bit plan fields hold.
using Coord = std::int32_t;

struct SearchState;

// Listener told about every scored pass of a container search (tests, diagnostics).
class PassObserver {
public:
    virtual ~PassObserver() = default;
    // Called right after a pass was scored, before the best pass is updated.
    virtual void passScored(const SearchState& s) = 0;
};

template <typename T> using ItemArray = std::array<T, kItemSlots>;

// The signature ratio of one item (length over width times its group key) with the values it
// was computed from, so that the ordering signatures divide only when an item changed.
struct RatioMemo {
    Coord len = 0, wid = 0;
    std::int32_t key = 0;
    long double value = 0; // the ratio of len, wid and key; 0 for the all-zero start
};

// The totals of a placement pass over the items it placed.
struct PassTotals {
    float Wolume = 0, Cost = 0;
    std::int32_t Weight = 0, Count = 0;
    std::int32_t NoseLoad = 0, TailLoad = 0; // loads on the nose and tail supports
};

// The extents and positions of the items in a pass (slots 0..1001).
struct ItemPlacement {
    ItemArray<Coord> Len{}, Wid{};    // current X and Y extent (turning swaps them)
    ItemArray<Coord> PosX{}, PosY{};  // front-left corner of the placed item
    ItemArray<std::int16_t> Placed{}; // 1 when placed by the pass
};

// What a pass is run on: the order the items are tried in, their extents after the turning
// variant, the corner direction and the turn mode.
struct PassOrdering {
    ItemArray<std::int16_t> Item{};      // item tried at position p
    ItemArray<Coord> LenVar{}, WidVar{}; // extents after the turning variant
    std::int16_t CornerDir = 1;          // 1 corner list ordered along X, 2 along Y
    std::int16_t TurnMode = 0;
};

// A scored pass kept as the best so far: its score, totals, placement and ordering.
struct BestPass {
    float Score = 0;
    PassTotals pass;
    ItemPlacement items;
    PassOrdering order;
};

// Search fields of the workspace (see PackWorkspace).
struct SearchState {
    // --- Item table (slots 0..1001) ---
    std::int16_t ItemCount = 0;
    ItemPlacement items;                     // extents and placement of the running pass
    PassOrdering order;                      // order, turning variant and corner direction
    ItemArray<Coord> ItemLen0{}, ItemWid0{}; // extents as delivered, never turned
    ItemArray<std::int16_t> ItemKind{};      // kind number; kinds are consecutive from 1
    ItemArray<std::int16_t> ItemBox{};       // box number the driver delivered the item for
    ItemArray<std::int16_t> ItemRun{};       // length of the item's run
    // Row class: 0..4 free, 5..9 rest of a row run, >= 10 filled row width (32-bit like a length).
    ItemArray<std::int32_t> ItemClass{};
    ItemArray<std::int32_t> ItemGroupKey{}; // random key shared by one kind run
    ItemArray<std::int32_t> ItemWeight{};
    ItemArray<float> ItemWolume{};
    ItemArray<float> ItemCost{};
    ItemArray<std::uint8_t> ItemTurnOn{}; // the item may be turned by 90 degrees

    // --- Container and search inputs (set by the driver after ResetSearch) ---
    std::int32_t SearchLoadWt = 0; // weight capacity
    float SearchWolume = 0;        // area capacity
    float SearchCost = 0;
    std::int32_t SearchNoseWt = 0, SearchTailWt = 0; // support limits; both 0 = no support check
    Coord NoseAxleX = 0;                             // X of the nose support
    Coord TailAxleDist = 0;                          // tail support distance from the rear end
    Coord LengthLimit = 0, WidthLimit = 0;           // copies of the usable floor size
    std::int16_t SearchFillDir = 0;                  // 0 none, 1 Length, 2 Width
    std::int32_t MinItemWeight = 0;
    float MinItemWolume = 0;
    std::uint8_t AnyTurn = 0; // some item may be turned
    std::int16_t BindMode = 0;
    std::uint8_t TurnOverride = 1, TurnOverrideValue = 1;
    float SearchWeightFactor = 0, SearchCostFactor = 0, SearchLeftFactor = 0, SearchBindFactor = 0;
    std::int16_t SearchIntensity = 5;
    double SearchTimeBudget = 55000.0; // ms
    std::int16_t SearchSeed = 0;

    // --- Corner list (slots 0..CornerCapacity; slot 0 holds the usable floor in its gaps) ---
    std::vector<Coord> CornerX, CornerY, CornerGapL, CornerGapW;
    std::int32_t CornerCapacity = 0;
    std::int32_t CornerCount = 0;
    std::int32_t CornerFirstNew = 0;
    Coord MinGap = 0;      // smallest item dimension minus 1
    PlacedGrid placedGrid; // the items placed in the running pass, by floor cell

    // --- Placement pass state and results ---
    std::int16_t PassPos = 0;
    std::uint16_t PassItem = 0;
    std::int16_t ChosenCorner = 0;
    std::int32_t BestCornerCost = 0;
    Coord chosenLen = 0, chosenWid = 0; // orientation that won the corner choice
    std::int32_t CostWeightX = 100, CostWeightY = 1;
    std::int16_t LastFailedItem = 0;
    PassTotals pass;
    float LoadCentreX = 0;
    Coord LoadMaxX = 0, LoadMaxY = 0;
    float ExtentRatio = 0;
    float Compactness = 1.0f;

    // --- Ordering and search state ---
    std::int16_t MaxRun = 1;
    Coord ModuleDim = 0;
    std::uint16_t GroupCount = 0;
    std::uint32_t RowGroups = 0;
    std::int32_t RowRests = 0;
    std::uint16_t SwapOdds = 4;
    std::uint16_t OrderStrategy = 0;
    std::int16_t TurnModeFirst = 0, TurnModeLast = 0; // range of order.TurnMode
    std::int32_t VariantNo = 0, VariantLimit = 0, VariantLimit0 = 0, VariantTries = 0, VariantSkips = 0;
    std::int32_t RuleNo = 0, RuleCount = 0, RuleLimit = 0, RuleBudget = 0, RuleTries = 0, RuleSkips = 0;
    std::int32_t RuleBase = 0, RowRules = 0, RowFlag = 0, RowRulePercent = 70;
    // Order and variant count estimates. 64-bit because their products are formed before the
    // 25555 cap is checked and can pass 32 bits.
    std::int64_t OrderCountEst = 0, SigCheckLimit = 0, VariantCountEst = 0, VariantCheckLimit = 0;
    std::int64_t RandomVariantFrom = 0;
    std::int32_t ImproveBudget = 0, ImproveLeft = 0, ImproveFactor = 10;
    std::int32_t ShuffleTries = 10, ShuffleTries2 = 10, PendingShuffles = 0, NearShuffles = 0;
    float NearBest = 0.99f;
    float TurnExtent = 0.5f;
    std::int16_t KindRunCount = 0;
    std::uint8_t RowsAllowed = 1, FreeOrderCount = 1;
    std::int32_t PassTotal = 0, ProgressTick = 0, BestRuleNo = 0, BestVariantNo = 0;
    double SearchStartTime = 0; // ms
    float CompactPower = 1e-4f;
    float SumItemWolume = 0, SumItemCost = 0;
    float SearchScore = 0;                // score of the latest pass; of the best pass after the search
    PassObserver* passObserver = nullptr; // told about every scored pass; null for none

    std::array<std::int64_t, kVariantSigSlots> VariantSig{};
    mutable ItemArray<RatioMemo> ratioMemo{}; // only a memo: never read as search state
    std::array<std::int64_t, kRuleSigSlots> RuleSigA{}, RuleSigB{};

    // --- The best pass so far (saved and put back whole) ---
    BestPass best;
};

} // namespace palvane
