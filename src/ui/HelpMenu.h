#pragma once
// The Task Page's "?" pop-up menu: Help (context 1), About, Acknowledgements and the Language
// entries English, French, Italian, German and Reset default, the entry of the language in force
// checked (German and Reset default show English).
#include <QMenu>
#include <QPointer>

class QAction;
class QDialog;

namespace palvane {

class HelpMenu : public QMenu {
    Q_OBJECT
public:
    explicit HelpMenu(QWidget* parent = nullptr);

    // The windows About and Acknowledgements open (modally); either may be null until it exists.
    void setWindows(QDialog* about, QDialog* acknowledgements);
    // Opens the menu at the button's top left corner.
    void popupAt(QWidget* button);

    QAction* HelpPop() const { return m_help; }
    QAction* AboutPop() const { return m_about; }
    QAction* AcknoPop() const { return m_ackno; }
    QMenu* LangPop() const { return m_lang; }
    QAction* EnglishPop() const { return m_english; }
    QAction* FrenchPop() const { return m_french; }
    QAction* ItalianPop() const { return m_italian; }
    QAction* GermanPop() const { return m_german; }
    QAction* ResetPop() const { return m_reset; }

signals:
    // Help asked for context 1 (after the help hook, when one is installed, showed it).
    void helpRequested(int context);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void checkLanguage(int language);

    QAction* m_help;
    QAction* m_about;
    QAction* m_ackno;
    QMenu* m_lang;
    QAction* m_english;
    QAction* m_french;
    QAction* m_italian;
    QAction* m_german;
    QAction* m_reset;
    QPointer<QDialog> m_aboutForm;
    QPointer<QDialog> m_acknoForm;
};

} // namespace palvane
