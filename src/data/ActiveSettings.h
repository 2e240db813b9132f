#pragma once
// The program-wide optimiser settings: what a Solve runs with, what a new task copies into its
// tasks row, what the Settings window edits and what the initialisation file keeps.
#include "SolveSettings.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace palvane {

// The settings that have a range; Last and TaskOptSet are switches.
enum class SettingField { Power, Time, Rand, Qw, Qg, Qc, Qr, BB, BW };

// Every ranged field, in the order the Settings window lists its rows.
inline constexpr SettingField AllSettingFields[] = {
    SettingField::Power, SettingField::Time, SettingField::Rand, SettingField::Qw, SettingField::Qg,
    SettingField::Qc,    SettingField::Qr,   SettingField::BB,   SettingField::BW};

// The values a setting's control allows: minimum to maximum in steps of step.
struct SettingRange {
    qint16 minimum;
    qint16 maximum;
    qint16 step;
    bool contains(int value) const { return value >= minimum && value <= maximum; }
    // The value moved into the range.
    qint16 clamp(int value) const { return qint16(qBound(int(minimum), value, int(maximum))); }
};

// The active settings. The optimiser fields come from SolveSettings (defaults Power 5, Time 555,
// Rand 1, every factor and gap 0, Last true), so the record goes to the engine as it is.
struct ActiveSettings : SolveSettings {
    // When another task becomes current, its own settings are loaded into the active ones.
    bool TaskOptSet = true;

    bool operator==(const ActiveSettings&) const = default;

    // Range of a field (Qg 0 to 9, shown x 10 in the Settings window).
    static SettingRange range(SettingField field);
    // Range of the improvement stage's seconds (Improve): 0 (off) to 600. Improve is kept in
    // the initialisation file but not in a tasks row, so loading a task's settings keeps it.
    static SettingRange improveRange() { return {0, 600, 1}; }
    // The field's value.
    qint16 value(SettingField field) const;
    // Sets the field's value as given (no range check).
    void setValue(SettingField field, qint16 value);
    // True when every ranged field lies within its range.
    bool isValid() const;
    // The "&Defaults" command: every optimiser value back to its default, TaskOptSet kept.
    void restoreDefaults();

    // The tasks row's Qw: the weight factor plus 100 x the bind group factor.
    qint16 packedQw() const { return qint16(Qw + 100 * Qg); }
    // Weight factor and bind group factor stored in a tasks row's Qw.
    static qint16 weightFactorOf(qint16 packedQw) { return qint16(packedQw % 100); }
    static qint16 bindGroupOf(qint16 packedQw) { return qint16(packedQw / 100); }

    // The copy a tasks row stores (TaskOptSet is not stored).
    TaskSolveFields toTaskRow() const { return taskFieldsFromSettings(*this); }
    // Takes a tasks row's copy into the optimiser fields, keeping TaskOptSet and Improve.
    void loadTaskRow(const TaskSolveFields& row);
    // The settings a tasks row holds, TaskOptSet left at its default.
    static ActiveSettings fromTaskRow(const TaskSolveFields& row);
    // True when the field differs from the same field of other (compared as numbers).
    bool differsFrom(const ActiveSettings& other, SettingField field) const {
        return value(field) != other.value(field);
    }
};

// ---- the typed gap edits (item-to-item and item-to-edge gap) ----

// The largest gap a user may type.
inline constexpr int MaxGap = 5000;
// A typed gap text: trimmed, empty read as "0", leading zeros removed while at least two
// characters remain. Returns the value when the text is then an integer from 0 to MaxGap;
// normalized receives the cleaned text either way.
std::optional<qint16> parseGapText(const QString& text, QString* normalized = nullptr);
// The refusal shown for a gap outside 0 to MaxGap ("Positive integer required,\rno more than 5000").
QString gapRangeMessage();

// A current-task factor shown right-aligned: padded with blanks to 9 characters when it has two
// digits and to 10 when it has one (other widths are left as they are).
QString paddedTaskFactor(int value);

} // namespace palvane
