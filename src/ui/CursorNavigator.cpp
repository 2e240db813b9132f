#include "CursorNavigator.h"

#include <QEvent>
#include <QHBoxLayout>

namespace palvane {

CursorNavigator::CursorNavigator(Cursor& cursor, Prompter* prompter, QWidget* parent)
    : QWidget(parent), m_cursor(cursor), m_prompter(prompter) {
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    static const char* const glyphs[ButtonCount] = {"|<", "<", ">", ">|", "+", "-"};
    for (int b = 0; b < ButtonCount; ++b) {
        auto* t = new QToolButton(this);
        t->setText(QString::fromLatin1(glyphs[b]));
        t->setFocusPolicy(Qt::NoFocus);
        lay->addWidget(t);
        m_buttons[b] = t;
        connect(t, &QToolButton::clicked, this, [this, b] { press(Button(b)); });
    }
    sizeButtons();
    retranslate();
    connect(&m_cursor, &Cursor::currentChanged, this, [this] { updateButtons(); });
    connect(&m_cursor, &Cursor::rowsReset, this, [this] { updateButtons(); });
    connect(&m_cursor, &Cursor::rowInserted, this, [this] { updateButtons(); });
    connect(&m_cursor, &Cursor::rowRemoved, this, [this] { updateButtons(); });
    connect(&m_cursor, &Cursor::stateChanged, this, [this] { updateButtons(); });
    updateButtons();
}

void CursorNavigator::sizeButtons() {
    // 24 x 22 as designed, larger when the font's glyphs need it.
    for (QToolButton* t : m_buttons) {
        t->setMinimumSize(0, 0);
        t->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        t->setFixedSize(t->sizeHint().expandedTo(QSize(24, 22)));
    }
}

void CursorNavigator::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeButtons();
}

void CursorNavigator::retranslate() {
    m_buttons[First]->setToolTip(tr("First record"));
    m_buttons[Prior]->setToolTip(tr("Prior record"));
    m_buttons[Next]->setToolTip(tr("Next record"));
    m_buttons[Last]->setToolTip(tr("Last record"));
    m_buttons[Insert]->setToolTip(tr("Insert record"));
    m_buttons[Delete]->setToolTip(tr("Delete record"));
}

void CursorNavigator::setEditButtonsVisible(bool visible) {
    m_editVisible = visible;
    m_buttons[Insert]->setVisible(visible);
    m_buttons[Delete]->setVisible(visible);
    updateButtons();
}

void CursorNavigator::updateButtons() {
    const bool active = m_cursor.isActive();
    const int row = m_cursor.currentRow(), n = m_cursor.rowCount();
    m_buttons[First]->setEnabled(active && row > 0);
    m_buttons[Prior]->setEnabled(active && row > 0);
    m_buttons[Next]->setEnabled(active && row >= 0 && row < n - 1);
    m_buttons[Last]->setEnabled(active && row >= 0 && row < n - 1);
    m_buttons[Insert]->setEnabled(active && m_editVisible);
    m_buttons[Delete]->setEnabled(active && m_editVisible && n > 0);
}

void CursorNavigator::press(Button b) {
    if (!m_cursor.isActive())
        return;
    switch (b) {
    case First:
        m_cursor.first();
        break;
    case Prior:
        m_cursor.prior();
        break;
    case Next:
        m_cursor.next();
        break;
    case Last:
        m_cursor.last();
        break;
    case Insert:
        if (m_editVisible)
            m_cursor.insert();
        break;
    case Delete:
        if (!m_editVisible || m_cursor.isEmpty())
            break;
        if (m_prompter && m_prompter->ask(PromptKind::Confirmation, tr("Delete record?"),
                                          PromptButtons::OkCancel) != PromptAnswer::Ok)
            break;
        m_cursor.remove();
        break;
    case ButtonCount:
        break;
    }
    updateButtons();
    emit pressed(b);
}

} // namespace palvane
