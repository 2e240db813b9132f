#pragma once
// The packing workspace: the whole state of one solve in fixed-size arrays and scalars. It lives
// for the program run (allocate it once, e.g. std::make_unique<PackWorkspace>(): it is far too
// large for the stack) and is reset at the start of every solve and every rebuild of a stored
// plan. Arrays are indexed from 0; real objects are numbered from 1 and element 0 collects what
// belongs to no object.

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "Progress.h"
#include "SearchState.h"

namespace palvane {

// Array sizes: container types and containers (1..25), box kinds and boxes (1..1001).
inline constexpr int kContSlots = 26;
inline constexpr int kBoxSlots = 1002;
// Entries of each order-history table.
inline constexpr int kOrderSigSlots = 43;

// A text of at most N characters stored inside the workspace (no allocation). Texts are UTF-8,
// so a character takes up to four bytes.
template <int N> struct ShortText {
    char text[4 * N + 1] = {};

    // Stores the first N characters of the value; longer values are cut between characters.
    void set(std::string_view value) {
        std::size_t n = 0;
        int chars = 0;
        while (n < value.size() && n < std::size_t(4 * N)) {
            // A byte 10xxxxxx continues the character before it; any other byte starts one.
            if ((static_cast<unsigned char>(value[n]) & 0xC0) != 0x80 && ++chars > N)
                break;
            ++n;
        }
        while (n > 0 && n == std::size_t(4 * N) && n < value.size() &&
               (static_cast<unsigned char>(value[n]) & 0xC0) == 0x80)
            --n; // never keep part of a character
        std::memcpy(text, value.data(), n);
        text[n] = '\0';
    }
    std::string_view view() const { return std::string_view(text); }
    const char* c_str() const { return text; }
    bool operator==(std::string_view other) const { return view() == other; }
};

// Wall-clock source in milliseconds. Tests replace it to drive time-outs deterministically.
class MsClock {
public:
    virtual ~MsClock() = default;
    // Current time as a day number with fraction (days since 30 Dec 1899, local time) x 86400000.
    virtual double nowMs() = 0;
};

// The local wall clock.
class SystemMsClock final : public MsClock {
public:
    double nowMs() override;
};

// One complete loading plan: which box goes into which container where, and its totals.
struct PackPlan {
    float Score = 0;
    float AreaEff = 0;   // LoadedArea / (UsedArea + 1e-5)
    float WeightEff = 0; // LoadedWeight / (UsedCapacity + 1e-5)
    float UsedArea = 0;
    float LoadedArea = 0;
    float UsedCost = 0;
    float LoadedCost = 0;
    std::int16_t UsedConts = 0;
    std::int16_t PlacedBoxes = 0;
    std::int16_t LastCont = 0; // raised by 500 when the optimiser dropped it again
    std::int16_t SplitCount = 0;
    std::int32_t UsedCapacity = 0;
    std::int32_t LoadedWeight = 0;
    std::array<std::int16_t, kContSlots> BoxLoad{};
    std::array<std::int32_t, kContSlots> WgtLoad{};
    std::array<std::int32_t, kContSlots> NoseLoad{};
    std::array<std::int32_t, kContSlots> TailLoad{};
    std::array<float, kContSlots> WolLoad{};
    std::array<float, kContSlots> CostLoad{};
    std::array<float, kContSlots> ContAreaEff{};
    std::array<float, kContSlots> ContWgtEff{};
    std::array<std::uint8_t, kContSlots> FixCont{};
    std::array<std::int16_t, kBoxSlots> ContNo{}; // container of box b; 0 = not placed
    std::array<std::int16_t, kBoxSlots> LoadNo{}; // loading sequence within the container, from 1
    std::array<std::int16_t, kBoxSlots> PosX{}, PosY{};
    std::array<std::int16_t, kBoxSlots> PosLh{}, PosWh{};
};

// The workspace. The search's fields (item table, corner list, pass and search state) come from
// SearchState.
struct PackWorkspace : SearchState {
    // --- Counts ---
    std::int16_t TypeCount = 0, ContCount = 0, KindCount = 0, BoxCount = 0;

    // --- Container types ---
    std::array<std::int32_t, kContSlots> TypeID{};
    std::array<std::int16_t, kContSlots> TypeLength{}, TypeWidth{};
    std::array<std::int16_t, kContSlots> TypeAvail{};
    std::array<std::int32_t, kContSlots> TypeLoadWt{};
    std::array<std::int32_t, kContSlots> TypeNoseWt{}, TypeTailWt{};
    std::array<std::int16_t, kContSlots> TypeNoseDL{}, TypeTailDL{};
    std::array<std::int16_t, kContSlots> TypeFillDir{}; // 0 other, 1 "Length", 2 "Width"
    std::array<float, kContSlots> TypeWolume{};
    std::array<float, kContSlots> TypeCost{};
    std::array<ShortText<3>, kContSlots> TypeMark{};
    std::array<std::int32_t, kContSlots> TypeRandKey{};
    std::array<std::int16_t, kContSlots> TypeUsed{};

    // --- Containers ---
    std::array<std::int16_t, kContSlots> ContType{};
    std::array<std::int16_t, kContSlots> ContOrder{};

    // --- Box kinds ---
    std::array<std::int32_t, kBoxSlots> KindID{};
    std::array<std::int16_t, kBoxSlots> KindLength{}, KindWidth{};
    std::array<std::int16_t, kBoxSlots> KindTotal{};
    std::array<std::int32_t, kBoxSlots> KindWeight{};
    std::array<float, kBoxSlots> KindWolume{};
    std::array<float, kBoxSlots> KindCost{};
    std::array<std::uint8_t, kBoxSlots> KindTurnOn{};
    std::array<ShortText<25>, kBoxSlots> KindName{};
    std::array<ShortText<2>, kBoxSlots> KindMark{};
    std::array<std::int16_t, kBoxSlots> KindPlaced{};
    std::array<std::int32_t, kBoxSlots> KindColor{};

    // --- Boxes ---
    std::array<std::int16_t, kBoxSlots> BoxKind{};

    // --- Plans ---
    PackPlan StartPlan, ResultPlan, BestPlan, SavedPlan;

    // --- Task summary ---
    std::int32_t TotBoxWeight = 0;
    float TotBoxWolume = 0;
    float TotBoxCost = 0;
    std::int32_t TotCapacity = 0;
    float TotContWolume = 0;
    float TotContCost = 0;
    std::int32_t AvgCapacity = 0;
    float AvgContWolume = 0;
    float AvgContCost = 0;
    std::int16_t MaxTypeAvail = 0;
    std::int32_t MaxTypeLoadWt = 0;
    float MaxTypeWolume = 0;
    std::int16_t IterationLimit = 0;

    // --- Solve parameters ---
    std::int16_t Intensity = 3;
    double TimeBudget = 555000.0; // ms
    std::int16_t RandBase = 1;
    float WeightFactor = 0, CostFactor = 0, LeftFactor = 0, BindFactor = 0;
    std::int16_t ItemGap = 0, WallGap = 0;
    std::uint8_t LastOff = 1;
    std::uint8_t TaskTurnOn = 1;
    std::uint8_t DefltOn = 1;

    // --- Random generator ---
    std::uint32_t RandState = 0;

    // --- Optimiser run state ---
    std::int16_t Iteration = 0, Repeats = 0, Attempts = 0, BestIteration = 0, PassNo = 0;
    std::uint8_t TryLastAlt = 1;
    std::int32_t SearchRuns = 0;
    std::int16_t ProgressStep = 0, ProgressSteps = 0, FixedConts = 0;
    double StartTime = 0; // ms
    std::uint8_t StopFlag = 0;
    std::uint8_t AbortFlag = 0; // set when the user asks to abort (Esc in the progress window)
    float LastSearchScore = 0, SavedSearchScore = 0;
    ShortText<31> ElapsedText{};
    std::array<std::int32_t, kOrderSigSlots> OrderSig1{}, OrderSig2{};

    // --- Outside world ---
    // Clock read by NowMs; null means the local wall clock.
    MsClock* clock = nullptr;
    // Receiver of the progress ticks; null means nobody listens.
    ProgressSink* progress = nullptr;

    // Draws a number in 0..n-1 from the workspace's generator (see palvane::RandomBelow).
    std::int32_t RandomBelow(std::int32_t n);
    // Current wall-clock time in ms from the injected clock (or the local clock).
    double NowMs();
};

// Advances the generator state and returns the high 32 bits of n x state: a number in 0..n-1.
// For n < 1 the state still advances and the result is 0, so the number of draws never depends
// on the argument.
std::int32_t RandomBelow(std::uint32_t& state, std::int32_t n);

// Brings the workspace to its empty state and clears the given plan record. ContOrder and the
// other plan records are left alone; the optimiser sets them before use.
void ResetWorkspace(PackWorkspace& ws, PackPlan& plan);

} // namespace palvane
