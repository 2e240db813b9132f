#pragma once
// The About window: the application title with its version, a thank-you line, and the two
// program-wide switches "Prompts" (`HintsCheck`) and "Warnings" (`WarnsCheck`).
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace palvane {

class ProgramSwitches;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // The check boxes follow and set switches (the application's when null).
    explicit TAboutForm(QWidget* parent = nullptr, ProgramSwitches* switches = nullptr);

    // The version shown beside the title.
    static QString version() { return QStringLiteral("1.95"); }

    QCheckBox* HintsCheck() const { return m_hints; }
    QCheckBox* WarnsCheck() const { return m_warns; }
    QPushButton* OkButton() const { return m_ok; }
    QLabel* ThanksLab() const { return m_thanks; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    ProgramSwitches* m_switches;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_thanks;
    QCheckBox* m_hints;
    QCheckBox* m_warns;
    QPushButton* m_ok;
};

} // namespace palvane
