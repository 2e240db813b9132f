#include "UpDown.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace palvane {

namespace {

// A held button repeats after this delay, this often (milliseconds).
constexpr int RepeatDelay = 400;
constexpr int RepeatInterval = 50;
// Steps of Page Up and Page Down.
constexpr int PageSteps = 10;

} // namespace

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
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(RepeatDelay);
        b->setAutoRepeatInterval(RepeatInterval);
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

void UpDown::setBuddy(QLineEdit* edit) {
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = edit;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

QString UpDown::rangeMessage() const {
    if (m_increment > 1)
        return tr("Integer from %1 to %2 required,\rin steps of %3").arg(m_min).arg(m_max).arg(m_increment);
    return tr("Integer from %1 to %2 required").arg(m_min).arg(m_max);
}

bool UpDown::takeTyped() {
    if (!m_buddy || m_taking)
        return true;
    const QString text = m_buddy->text().trimmed();
    if (text == QString::number(m_position))
        return true;
    bool ok = !text.isEmpty();
    // Digits only (a leading minus sign allowed): no blanks, signs or fractions inside.
    for (int i = 0; ok && i < text.size(); ++i)
        ok = text.at(i).isDigit() || (i == 0 && text.at(i) == QLatin1Char('-') && text.size() > 1);
    const int value = ok && text.size() <= 6 ? text.toInt(&ok) : 0;
    ok = ok && text.size() <= 6 && value >= m_min && value <= m_max && (value - m_min) % m_increment == 0;
    if (ok) {
        click(value);
        return true;
    }
    m_buddy->setText(QString::number(m_position));
    // The message box takes the focus from the edit: that leave is not a second text to take.
    m_taking = true;
    emit refused();
    m_taking = false;
    return false;
}

bool UpDown::stepKey(int key) {
    switch (key) {
    case Qt::Key_Up:
        stepUp();
        return true;
    case Qt::Key_Down:
        stepDown();
        return true;
    case Qt::Key_PageUp:
        click(m_position + PageSteps * m_increment);
        return true;
    case Qt::Key_PageDown:
        click(m_position - PageSteps * m_increment);
        return true;
    default:
        return false;
    }
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_buddy)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeTyped();
            m_buddy->selectAll();
            return true;
        }
        if (key == Qt::Key_Escape)
            m_buddy->setText(QString::number(m_position));
        if (stepKey(key)) {
            m_buddy->selectAll();
            return true;
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // Return belongs to the edit, not to the dialog's default button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            event->accept();
        break;
    }
    case QEvent::FocusOut:
        // The edit's own pop-up menu is no leave.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            takeTyped();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace palvane
