#include "LanguageSwitch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace palvane {

LanguageSwitch::LanguageSwitch(QObject* parent) : QObject(parent) {}

LanguageSwitch* LanguageSwitch::instance() {
    static QPointer<LanguageSwitch> the;
    if (!the) {
        Q_ASSERT(QCoreApplication::instance());
        the = new LanguageSwitch(QCoreApplication::instance());
    }
    return the;
}

int LanguageSwitch::effectiveLanguage(int code) {
    return code == FrenchLanguage || code == ItalianLanguage ? code : EnglishLanguage;
}

QString LanguageSwitch::localeName(int code) {
    switch (effectiveLanguage(code)) {
    case FrenchLanguage:
        return QStringLiteral("fr");
    case ItalianLanguage:
        return QStringLiteral("it");
    default:
        return QStringLiteral("en");
    }
}

void LanguageSwitch::install(int language) {
    // Remove the old set first: English is the source text and needs no translator.
    for (QTranslator** t : {&m_own, &m_qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    m_active = language;
    m_loaded = false;
    if (language == EnglishLanguage)
        return;
    const QString locale = localeName(language);
    auto own = std::make_unique<QTranslator>(this);
    if (own->load(QStringLiteral(":/palvane/lang/palvane_") + locale + QStringLiteral(".qm"))) {
        QCoreApplication::installTranslator(own.get());
        m_own = own.release();
        m_loaded = true;
    }
    // Qt's own texts (standard buttons such as Yes and No): the copy built into the program,
    // else the system's.
    auto qt = std::make_unique<QTranslator>(this);
    if (qt->load(QStringLiteral(":/palvane/lang/qtbase_") + locale + QStringLiteral(".qm")) ||
        qt->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = qt.release();
    }
}

void LanguageSwitch::ApplyLanguage(bool withControls, int code) {
    const int language = effectiveLanguage(code);
    if (language != m_active || (language != EnglishLanguage && !m_loaded))
        install(language);
    if (withControls) {
        m_code = code;
        m_helpFile = QStringLiteral("korvan.chm");
        emit languageChecked(language);
    }
}

} // namespace palvane
