#include "HelpMenu.h"

#include "HelpWindow.h"
#include "LanguageSwitch.h"

#include <QActionGroup>
#include <QDialog>
#include <QEvent>

namespace palvane {

HelpMenu::HelpMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("HelpMenu"));
    m_help = addAction(QString());
    m_help->setObjectName(QStringLiteral("HelpPop"));
    m_about = addAction(QString());
    m_about->setObjectName(QStringLiteral("AboutPop"));
    m_ackno = addAction(QString());
    m_ackno->setObjectName(QStringLiteral("AcknoPop"));
    m_lang = addMenu(QString());
    m_lang->setObjectName(QStringLiteral("LangPop"));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    const auto languageEntry = [&](const char* name, int code) {
        QAction* a = m_lang->addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this,
                [code] { LanguageSwitch::instance()->ApplyLanguage(true, code); });
        return a;
    };
    m_english = languageEntry("EnglishPop", EnglishLanguage);
    m_french = languageEntry("FrenchPop", FrenchLanguage);
    m_italian = languageEntry("ItalianPop", ItalianLanguage);
    // German has no set of its own and Reset default returns to English: both show English and
    // check the English entry; German is remembered as its own code.
    const auto englishEntry = [&](const char* name, int code) {
        QAction* a = m_lang->addAction(QString());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this,
                [code] { LanguageSwitch::instance()->ApplyLanguage(true, code); });
        return a;
    };
    m_german = englishEntry("GermanPop", GermanLanguage);
    m_lang->addSeparator();
    m_reset = englishEntry("ResetPop", EnglishLanguage);

    LanguageSwitch* language = LanguageSwitch::instance();
    checkLanguage(language->activeLanguage());
    connect(language, &LanguageSwitch::languageChecked, this, &HelpMenu::checkLanguage);
    connect(m_help, &QAction::triggered, this, [this] {
        if (HelpHook* hook = HelpHook::current())
            hook->showContext(1);
        emit helpRequested(1);
    });
    connect(m_about, &QAction::triggered, this, [this] {
        if (m_aboutForm)
            m_aboutForm->exec();
    });
    connect(m_ackno, &QAction::triggered, this, [this] {
        if (m_acknoForm)
            m_acknoForm->exec();
    });
    retranslate();
}

void HelpMenu::setWindows(QDialog* about, QDialog* acknowledgements) {
    m_aboutForm = about;
    m_acknoForm = acknowledgements;
}

void HelpMenu::popupAt(QWidget* button) {
    popup(button->mapToGlobal(QPoint(0, 0)));
}

void HelpMenu::checkLanguage(int language) {
    switch (LanguageSwitch::effectiveLanguage(language)) {
    case FrenchLanguage:
        m_french->setChecked(true);
        break;
    case ItalianLanguage:
        m_italian->setChecked(true);
        break;
    default:
        m_english->setChecked(true);
        break;
    }
}

void HelpMenu::retranslate() {
    m_help->setText(tr("Help"));
    m_about->setText(tr("About"));
    m_ackno->setText(tr("Acknowledgements"));
    m_lang->setTitle(tr("Language"));
    m_english->setText(tr("English"));
    m_french->setText(tr("French"));
    m_italian->setText(tr("Italian"));
    m_german->setText(tr("German"));
    m_reset->setText(tr("Reset default"));
}

void HelpMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenu::changeEvent(event);
}

} // namespace palvane
