#pragma once
// The up-down control of the area multiplier and the Settings window's values.
#include <QToolButton>
#include <QWidget>

namespace palvane {

// A small up-down control: two arrow buttons stepping a position within a range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);
    int position() const { return m_position; }
    // Sets the position, kept within the range; no click signal.
    void setPosition(int position);
    // The step of one click (1 unless set).
    void setIncrement(int increment) { m_increment = increment; }
    int increment() const { return m_increment; }
    void stepUp() { click(m_position + m_increment); }
    void stepDown() { click(m_position - m_increment); }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }
signals:
    // A click changed (or tried to change) the position.
    void clicked(int position);

private:
    void click(int position);
    int m_min, m_max, m_position;
    int m_increment = 1;
    QToolButton *m_up, *m_down;
};

} // namespace palvane
