#include "GridComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>

namespace palvane {

namespace {

// Printable text of a key press without Ctrl, Alt or Meta.
bool typedText(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString t = e->text();
    return !t.isEmpty() && t.at(0).isPrint();
}

} // namespace

GridComboBox::GridComboBox(QWidget* parent) : QComboBox(parent), m_list(view()) {
    m_list->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] {
        if (m_listOpen)
            emit chosen();
    });
}

GridComboBox* GridComboBox::forDelegate(const QAbstractItemDelegate* delegate, QWidget* parent) {
    auto* box = new GridComboBox(parent);
    // The delegate's signals are the view's way to take the value; emitting them does not
    // change the delegate itself.
    auto* d = const_cast<QAbstractItemDelegate*>(delegate);
    connect(box, &GridComboBox::chosen, d, [d, box] {
        emit d->commitData(box);
        emit d->closeEditor(box, QAbstractItemDelegate::NoHint);
    });
    return box;
}

int GridComboBox::firstMatch(const QString& prefix) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    return -1;
}

bool GridComboBox::typeAhead(const QString& text, int key) {
    QString next = m_prefix;
    if (key == Qt::Key_Backspace)
        next.chop(1);
    else if (!text.isEmpty())
        next += text;
    else
        return false;
    if (next.isEmpty()) {
        m_prefix.clear();
        return true;
    }
    const int i = firstMatch(next);
    if (i < 0)
        return true; // no entry goes on like this: the key is not taken
    m_prefix = next;
    setCurrentIndex(i);
    if (m_list && m_list->isVisible())
        m_list->setCurrentIndex(model()->index(i, modelColumn(), rootModelIndex()));
    return true;
}

void GridComboBox::showPopup() {
    m_listOpen = true;
    QComboBox::showPopup();
}

void GridComboBox::keyPressEvent(QKeyEvent* event) {
    if ((typedText(event) || event->key() == Qt::Key_Backspace) &&
        typeAhead(event->key() == Qt::Key_Backspace ? QString() : event->text(), event->key())) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool GridComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list) {
        if (event->type() == QEvent::KeyPress) {
            auto* e = static_cast<QKeyEvent*>(event);
            if ((typedText(e) || e->key() == Qt::Key_Backspace) &&
                typeAhead(e->key() == Qt::Key_Backspace ? QString() : e->text(), e->key()))
                return true;
        } else if (event->type() == QEvent::Hide) {
            // The list reports its pick (activated) before it is hidden for good; a list closed
            // without a pick leaves the keys of the closed drop-down to their usual steps.
            QTimer::singleShot(0, this, [this] { m_listOpen = m_list && m_list->isVisible(); });
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace palvane
