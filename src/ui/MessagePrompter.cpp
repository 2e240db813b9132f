#include "MessagePrompter.h"

#include "DMForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <memory>

namespace palvane {

namespace {

// Property naming the answer of each button added to a box.
constexpr char AnswerProperty[] = "palvaneAnswer";

QMessageBox::Icon iconOf(PromptKind kind) {
    switch (kind) {
    case PromptKind::Information:
        return QMessageBox::Information;
    case PromptKind::Warning:
        return QMessageBox::Warning;
    case PromptKind::Error:
        return QMessageBox::Critical;
    case PromptKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The buttons of a set, in the order shown.
std::vector<PromptAnswer> answersOf(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return {PromptAnswer::Ok};
    case PromptButtons::OkCancel:
        return {PromptAnswer::Ok, PromptAnswer::Cancel};
    case PromptButtons::OkIgnore:
        return {PromptAnswer::Ok, PromptAnswer::Ignore};
    case PromptButtons::YesNo:
        return {PromptAnswer::Yes, PromptAnswer::No};
    case PromptButtons::YesNoAllYesToAll:
        return {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::All, PromptAnswer::YesToAll};
    case PromptButtons::YesNoNoToAllYesToAll:
        return {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::NoToAll, PromptAnswer::YesToAll};
    }
    return {PromptAnswer::Ok};
}

// What closing the box without a button means for the set.
PromptAnswer safeAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::OkCancel:
        return PromptAnswer::Cancel;
    case PromptButtons::OkIgnore:
        return PromptAnswer::Ignore;
    default:
        return PromptAnswer::No;
    }
}

QAbstractButton* addAnswerButton(QMessageBox& box, PromptAnswer answer) {
    QAbstractButton* b = nullptr;
    switch (answer) {
    case PromptAnswer::Ok:
        b = box.addButton(QMessageBox::Ok);
        break;
    case PromptAnswer::Cancel:
        b = box.addButton(QMessageBox::Cancel);
        break;
    case PromptAnswer::Ignore:
        b = box.addButton(QMessageBox::Ignore);
        break;
    case PromptAnswer::Yes:
        b = box.addButton(QMessageBox::Yes);
        break;
    case PromptAnswer::No:
        b = box.addButton(QMessageBox::No);
        break;
    case PromptAnswer::All:
        b = box.addButton(QCoreApplication::translate("palvane::MessagePrompter", "All"),
                          QMessageBox::YesRole);
        break;
    case PromptAnswer::YesToAll:
        b = box.addButton(QMessageBox::YesToAll);
        break;
    case PromptAnswer::NoToAll:
        b = box.addButton(QMessageBox::NoToAll);
        break;
    }
    b->setProperty(AnswerProperty, int(answer));
    return b;
}

} // namespace

MessagePrompter::MessagePrompter(QWidget* parent) : m_parent(parent) {}

QString MessagePrompter::displayText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QMessageBox* MessagePrompter::buildBox(PromptKind kind, const QString& text, PromptButtons buttons,
                                       const QString& title, QWidget* parent) {
    auto* box = new QMessageBox(parent);
    box->setIcon(iconOf(kind));
    box->setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box->setTextFormat(Qt::PlainText);
    box->setText(displayText(text));
    QAbstractButton* first = nullptr;
    QAbstractButton* escape = nullptr;
    const PromptAnswer safe = safeAnswer(buttons);
    for (PromptAnswer a : answersOf(buttons)) {
        QAbstractButton* b = addAnswerButton(*box, a);
        if (!first)
            first = b;
        if (a == safe)
            escape = b;
    }
    if (auto* push = qobject_cast<QPushButton*>(first))
        box->setDefaultButton(push);
    box->setEscapeButton(escape);
    return box;
}

PromptAnswer MessagePrompter::answerOf(const QMessageBox& box, const QAbstractButton* clicked,
                                       PromptButtons buttons) {
    if (clicked && box.buttons().contains(const_cast<QAbstractButton*>(clicked))) {
        const QVariant v = clicked->property(AnswerProperty);
        if (v.isValid())
            return PromptAnswer(v.toInt());
    }
    return safeAnswer(buttons);
}

PromptAnswer MessagePrompter::ask(PromptKind kind, const QString& text, PromptButtons buttons,
                                  const QString& title) {
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    std::unique_ptr<QMessageBox> box(buildBox(kind, text, buttons, title, parent));
    if (m_hook)
        m_hook(*box);
    else
        box->exec();
    return answerOf(*box, box->clickedButton(), buttons);
}

} // namespace palvane
