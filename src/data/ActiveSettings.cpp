#include "ActiveSettings.h"

#include <QCoreApplication>

namespace palvane {

SettingRange ActiveSettings::range(SettingField field) {
    switch (field) {
    case SettingField::Power:
        return {0, 20, 1};
    case SettingField::Time:
        return {5, 5555, 5};
    case SettingField::Rand:
        return {1, 555, 1};
    case SettingField::Qw:
        return {0, 95, 5};
    case SettingField::Qg:
        return {0, 9, 1};
    case SettingField::Qc:
    case SettingField::Qr:
        return {0, 100, 5};
    case SettingField::BB:
    case SettingField::BW:
        return {0, MaxGap, 1};
    }
    return {0, 0, 1};
}

qint16 ActiveSettings::value(SettingField field) const {
    switch (field) {
    case SettingField::Power:
        return Power;
    case SettingField::Time:
        return Time;
    case SettingField::Rand:
        return Rand;
    case SettingField::Qw:
        return Qw;
    case SettingField::Qg:
        return Qg;
    case SettingField::Qc:
        return Qc;
    case SettingField::Qr:
        return Qr;
    case SettingField::BB:
        return BB;
    case SettingField::BW:
        return BW;
    }
    return 0;
}

void ActiveSettings::setValue(SettingField field, qint16 v) {
    switch (field) {
    case SettingField::Power:
        Power = v;
        break;
    case SettingField::Time:
        Time = v;
        break;
    case SettingField::Rand:
        Rand = v;
        break;
    case SettingField::Qw:
        Qw = v;
        break;
    case SettingField::Qg:
        Qg = v;
        break;
    case SettingField::Qc:
        Qc = v;
        break;
    case SettingField::Qr:
        Qr = v;
        break;
    case SettingField::BB:
        BB = v;
        break;
    case SettingField::BW:
        BW = v;
        break;
    }
}

bool ActiveSettings::isValid() const {
    for (SettingField f : AllSettingFields) {
        if (!range(f).contains(value(f)))
            return false;
    }
    return improveRange().contains(Improve);
}

void ActiveSettings::restoreDefaults() {
    const bool keep = TaskOptSet;
    *this = ActiveSettings{};
    TaskOptSet = keep;
}

void ActiveSettings::loadTaskRow(const TaskSolveFields& row) {
    const qint16 improve = Improve;
    static_cast<SolveSettings&>(*this) = settingsFromTask(row);
    Improve = improve;
}

ActiveSettings ActiveSettings::fromTaskRow(const TaskSolveFields& row) {
    ActiveSettings s;
    s.loadTaskRow(row); // Improve stays at its default, 0
    return s;
}

std::optional<qint16> parseGapText(const QString& text, QString* normalized) {
    QString t = text.trimmed();
    if (t.isEmpty())
        t = QStringLiteral("0");
    while (t.size() >= 2 && t.front() == QLatin1Char('0'))
        t.remove(0, 1);
    if (normalized)
        *normalized = t;
    // Digits only: a sign, blanks inside or a fraction are not a gap.
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    if (t.size() > 4)
        return std::nullopt;
    const int v = t.toInt();
    if (v > MaxGap)
        return std::nullopt;
    return qint16(v);
}

QString gapRangeMessage() {
    return QCoreApplication::translate("palvane::ActiveSettings",
                                       "Positive integer required,\rno more than") +
           QLatin1Char(' ') + QString::number(MaxGap);
}

QString paddedTaskFactor(int value) {
    const QString digits = QString::number(value);
    if (digits.size() == 2)
        return digits.rightJustified(9, QLatin1Char(' '));
    if (digits.size() == 1)
        return digits.rightJustified(10, QLatin1Char(' '));
    return digits;
}

} // namespace palvane
