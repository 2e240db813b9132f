#pragma once
// The up-down control of the area multiplier and the Settings window's values.
#include <QPointer>
#include <QToolButton>
#include <QWidget>

class QLineEdit;

namespace palvane {

// A small up-down control: two arrow buttons stepping a position within a range. A button held
// down repeats its step. With a buddy edit the position is also typed there, and the arrow keys
// (one step) and Page Up/Page Down (ten steps) step it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);
    int position() const { return m_position; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    // Sets the position, kept within the range; no click signal.
    void setPosition(int position);
    // The step of one click (1 unless set).
    void setIncrement(int increment) { m_increment = increment; }
    int increment() const { return m_increment; }
    void stepUp() { click(m_position + m_increment); }
    void stepDown() { click(m_position - m_increment); }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    // The edit that shows the position and takes typed positions and the step keys. Its text is
    // taken on Return and when it loses the focus: a position within the range and on a step
    // becomes the new position (clicked), anything else is refused and the shown position
    // comes back.
    void setBuddy(QLineEdit* edit);
    QLineEdit* buddy() const { return m_buddy; }
    // The message of a refused text: the range and, when it is above 1, the step.
    QString rangeMessage() const;
    // Takes the buddy's text as described above; false when it was refused.
    bool takeTyped();

signals:
    // A click changed (or tried to change) the position.
    void clicked(int position);
    // A typed text was refused (rangeMessage() tells why).
    void refused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void click(int position);
    bool stepKey(int key);
    int m_min, m_max, m_position;
    int m_increment = 1;
    QToolButton *m_up, *m_down;
    QPointer<QLineEdit> m_buddy;
    bool m_taking = false;
};

} // namespace palvane
