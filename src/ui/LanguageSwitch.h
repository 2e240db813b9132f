#pragma once
// The language switch: English, French or Italian for every caption, hint and message. The
// translations are Qt translation files built into the program as resources
// (":/palvane/lang/palvane_fr.qm", "palvane_it.qm", with Qt's own "qtbase_fr.qm", "qtbase_it.qm"
// for the standard buttons); while a language's file is missing, its texts stay English.
#include <QObject>

class QTranslator;

namespace palvane {

// `LanguageCode` values.
enum LanguageCodes { EnglishLanguage = 0, FrenchLanguage = 1, GermanLanguage = 2, ItalianLanguage = 3 };

class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    // The application's switch, created on first use as a child of the application object.
    static LanguageSwitch* instance();

    // The set a code selects: French for 1, Italian for 3, English for any other code.
    static int effectiveLanguage(int code);
    // The locale name of a set ("en", "fr", "it").
    static QString localeName(int code);

    // `ApplyLanguage`: selects the set of the code and installs its texts, so windows that are
    // already open change at once. With withControls it also stores the code as `LanguageCode`
    // and announces the menu entry to check (languageChecked).
    void ApplyLanguage(bool withControls, int code);
    // The stored `LanguageCode` (what the initialisation file saves).
    int LanguageCode() const { return m_code; }
    // Stores the code read from the initialisation file without switching.
    void setLanguageCode(int code) { m_code = code; }
    // The set in force.
    int activeLanguage() const { return m_active; }
    // True when the set in force has a translation file (false for English and for a language
    // whose file is not shipped yet).
    bool translationLoaded() const { return m_loaded; }
    // The help file name; set again on every switch.
    QString helpFileName() const { return m_helpFile; }

signals:
    // The language menu entry to check: EnglishLanguage, FrenchLanguage or ItalianLanguage.
    void languageChecked(int language);

private:
    explicit LanguageSwitch(QObject* parent);
    void install(int language);

    int m_code = EnglishLanguage;
    int m_active = EnglishLanguage;
    bool m_loaded = false;
    QString m_helpFile = QStringLiteral("korvan.chm");
    QTranslator* m_own = nullptr;
    QTranslator* m_qt = nullptr;
};

} // namespace palvane
