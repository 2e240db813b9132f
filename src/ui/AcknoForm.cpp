#include "AcknoForm.h"

#include "MessagePrompter.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace palvane {

TAcknoForm::TAcknoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AcknoForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(14);
    grid->setHorizontalSpacing(16);
    for (int i = 0; i < 3; ++i) {
        m_captions[i] = new QLabel(this);
        m_names[i] = new QLabel(this);
        m_names[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QPalette p = m_names[i]->palette();
        p.setColor(QPalette::WindowText, Qt::darkBlue);
        m_names[i]->setPalette(p);
        grid->addWidget(m_captions[i], i, 0, Qt::AlignTop);
        grid->addWidget(m_names[i], i, 1, Qt::AlignTop);
    }
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addSpacing(10);
    main->addLayout(buttons);
    retranslate();
}

void TAcknoForm::retranslate() {
    const auto lines = [](const QString& s) { return MessagePrompter::displayText(s); };
    setWindowTitle(tr("Acknowlegements"));
    m_captions[0]->setText(
        lines(tr("Many thanks go to the translators of the\rlocalized versions for their hard work:")));
    m_captions[1]->setText(lines(tr("French:\r\rItalian:")));
    m_captions[2]->setText(
        lines(tr("If you would like to add a translation\rin a new language, please contact:")));
    m_names[0]->setText(QString());
    m_names[1]->setText(lines(tr("The 2D Palvane translation team\r\rThe 2D Palvane translation team")));
    m_names[2]->setText(lines(tr("The 2D Palvane maintainers,\rthrough the project's issue tracker")));
    m_close->setText(tr("&Close"));
}

void TAcknoForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace palvane
