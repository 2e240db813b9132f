#pragma once
// The two program-wide switches of the About window: "Prompts" (tooltips and hints in every
// window) and "Warnings" (confirmation questions asked or skipped).
#include <QObject>

namespace palvane {

class ProgramSwitches : public QObject {
    Q_OBJECT
public:
    // The application's switches, created on first use as a child of the application object
    // (which must exist). While hints are off, tooltips of every window are suppressed.
    static ProgramSwitches* instance();

    // `HintsCheck`: tooltips shown.
    bool hintsOn() const { return m_hints; }
    void setHintsOn(bool on);
    // `WarnsCheck`: confirmation questions asked; while off, commands proceed as if confirmed.
    bool warnsOn() const { return m_warns; }
    void setWarnsOn(bool on);

signals:
    void hintsChanged(bool on);
    void warnsChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ProgramSwitches(QObject* parent);
    bool m_hints = true;
    bool m_warns = true;
};

} // namespace palvane
