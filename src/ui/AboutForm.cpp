#include "AboutForm.h"

#include "DMForm.h"
#include "ProgramIcon.h"
#include "ProgramSwitches.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace palvane {

TAboutForm::TAboutForm(QWidget* parent, ProgramSwitches* switches)
    : QDialog(parent), m_switches(switches ? switches : ProgramSwitches::instance()) {
    setObjectName(QStringLiteral("AboutForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    m_title = new QLabel(this);
    QFont big = m_title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_title->setFont(big);
    m_version = new QLabel(this);
    m_thanks = new QLabel(this);
    m_thanks->setObjectName(QStringLiteral("ThanksLab"));
    m_hints = new QCheckBox(this);
    m_hints->setObjectName(QStringLiteral("HintsCheck"));
    m_warns = new QCheckBox(this);
    m_warns->setObjectName(QStringLiteral("WarnsCheck"));
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setDefault(true);

    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    auto* titles = new QVBoxLayout;
    titles->addWidget(m_title);
    titles->addWidget(m_version);
    titles->addSpacing(8);
    titles->addWidget(m_thanks);
    head->addLayout(titles, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_hints);
    checks->addWidget(m_warns);
    checks->addStretch(1);
    checks->addWidget(m_ok);
    auto* main = new QVBoxLayout(this);
    main->addLayout(head);
    main->addSpacing(12);
    main->addLayout(checks);

    m_hints->setChecked(m_switches->hintsOn());
    m_warns->setChecked(m_switches->warnsOn());
    connect(m_hints, &QCheckBox::clicked, m_switches, &ProgramSwitches::setHintsOn);
    connect(m_warns, &QCheckBox::clicked, m_switches, &ProgramSwitches::setWarnsOn);
    connect(m_switches, &ProgramSwitches::hintsChanged, m_hints, &QCheckBox::setChecked);
    connect(m_switches, &ProgramSwitches::warnsChanged, m_warns, &QCheckBox::setChecked);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void TAboutForm::retranslate() {
    setWindowTitle(tr("About  ") + applicationTitle());
    m_title->setText(applicationTitle());
    m_version->setText(tr("Version %1").arg(version()));
    m_thanks->setText(tr("Thank you for using  ") + applicationTitle());
    m_hints->setText(tr("Prompts"));
    m_hints->setToolTip(tr("Show context prompts and hints"));
    m_warns->setText(tr("Warnings"));
    m_warns->setToolTip(tr("Show all warnings and confirm messages"));
    m_ok->setText(tr("Ok"));
}

void TAboutForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace palvane
