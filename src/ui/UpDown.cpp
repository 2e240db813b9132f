#include "UpDown.h"

#include <QVBoxLayout>
#include <algorithm>

namespace palvane {

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_min(minimum), m_max(maximum), m_position(minimum) {
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFixedSize(17, 11);
        b->setFocusPolicy(Qt::NoFocus);
        lay->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { stepUp(); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepDown(); });
}

void UpDown::setPosition(int position) {
    m_position = std::clamp(position, m_min, m_max);
}

void UpDown::click(int position) {
    setPosition(position);
    emit clicked(m_position);
}

} // namespace palvane
