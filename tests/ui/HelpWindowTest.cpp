// Help: every request kind of the hook, the shipped pages and their links, F1 by the nearest
// help context, the "?" menu with Help, About, Acknowledgements and the language entries, and
// the language switch's codes.
#include "HelpWindow.h"
#include "HelpMenu.h"
#include "LanguageSwitch.h"
#include "UiTestUtil.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using namespace palvane;

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void everyRequestIsHandled();
    void pagesExistAndTheirLinksResolve();
    void pagesFollowTheLanguage();
    void pagesSayWhatAPlannerNeeds();
    void f1AsksForTheNearestContext();
    void helpFromModalWindowsTakesClicks();
    void helpMenuEntries();
    void languageEntriesAndCodes();
};

void HelpWindowTest::everyRequestIsHandled() {
    HelpHook hook;
    QVERIFY(hook.request(HelpCommand::Context, 1));
    QVERIFY(hook.isShowing());
    QCOMPARE(hook.window()->currentPage(), QUrl(QStringLiteral("qrc:/palvane/help/topic1.html")));
    QCOMPARE(hook.window()->browser()->documentTitle(), QStringLiteral("Task Page"));
    QVERIFY(hook.window()->browser()->toPlainText().contains(QStringLiteral("Solve")));
    QVERIFY(uitest::saveScreenshot(hook.window(), QStringLiteral("HelpTaskPage")));

    QVERIFY(hook.request(HelpCommand::ContextPopup, 13));
    QCOMPARE(hook.window()->currentPage(), HelpHook::topicPage(13));
    QCOMPARE(hook.window()->browser()->documentTitle(), QStringLiteral("Settings"));

    QVERIFY(hook.request(HelpCommand::Keyword, 0));
    QCOMPARE(hook.window()->currentPage(), HelpHook::indexPage());

    QVERIFY(hook.request(HelpCommand::Other, 77));
    QCOMPARE(hook.window()->currentPage(), HelpHook::defaultTopic());

    // A context number without a page of its own opens the default topic.
    QVERIFY(hook.request(HelpCommand::Context, 99));
    QCOMPARE(hook.window()->currentPage(), HelpHook::defaultTopic());
    QVERIFY(hook.request(HelpCommand::Context, 0));
    QCOMPARE(hook.window()->currentPage(), HelpHook::defaultTopic());

    QVERIFY(hook.request(HelpCommand::Quit, 0));
    QVERIFY(!hook.isShowing());
    QVERIFY(hook.request(HelpCommand::Quit, 0)); // nothing open: still handled
}

void HelpWindowTest::pagesExistAndTheirLinksResolve() {
    QCOMPARE(HelpHook::topicPage(1), QUrl(QStringLiteral("qrc:/palvane/help/topic1.html")));
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    // Every page exists in each language, with a title, and its links (with their anchors)
    // lead to pages of the same language.
    for (const QString& folder : {QString(), QStringLiteral("fr/"), QStringLiteral("it/")}) {
        const QString base = QStringLiteral(":/palvane/help/") + folder;
        QStringList names{QStringLiteral("index.html"), QStringLiteral("default.html")};
        for (int context : HelpHook::contextNumbers())
            names << QStringLiteral("topic%1.html").arg(context);
        QStringList titles;
        for (const QString& name : names) {
            QFile file(base + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(base + name));
            const QString html = QString::fromUtf8(file.readAll());
            QTextDocument doc;
            doc.setHtml(html);
            titles << doc.metaInformation(QTextDocument::DocumentTitle);
            QVERIFY2(!titles.last().isEmpty(), qPrintable(base + name));
            for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
                const QString target = m.captured(1);
                const QString page = target.section(QLatin1Char('#'), 0, 0);
                const QString anchor = target.section(QLatin1Char('#'), 1);
                QFile linked(base + page);
                QVERIFY2(linked.open(QIODevice::ReadOnly),
                         qPrintable(base + name + QStringLiteral(" -> ") + target));
                if (!anchor.isEmpty())
                    QVERIFY2(QString::fromUtf8(linked.readAll())
                                 .contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                             qPrintable(base + name + QStringLiteral(" -> ") + target));
            }
        }
        // The default topic reaches every topic page.
        QFile contents(base + QStringLiteral("default.html"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(contents.readAll());
        for (int context : HelpHook::contextNumbers())
            QVERIFY(html.contains(QStringLiteral("topic%1.html").arg(context)));
    }
}

void HelpWindowTest::pagesFollowTheLanguage() {
    LanguageSwitch* language = LanguageSwitch::instance();
    HelpHook hook;
    language->ApplyLanguage(true, FrenchLanguage);
    QVERIFY(hook.request(HelpCommand::Context, 11));
    QCOMPARE(hook.window()->currentPage(), QUrl(QStringLiteral("qrc:/palvane/help/fr/topic11.html")));
    QCOMPARE(hook.window()->browser()->documentTitle(), QStringLiteral("Bibliothèque de boîtes"));
    QVERIFY(uitest::saveScreenshot(hook.window(), QStringLiteral("HelpBoxLibrary-fr")));
    QVERIFY(hook.request(HelpCommand::Keyword, 0));
    QCOMPARE(hook.window()->currentPage(), QUrl(QStringLiteral("qrc:/palvane/help/fr/index.html")));
    // A switch while the window is open shows the same page in the new language.
    QVERIFY(hook.request(HelpCommand::Context, 9));
    language->ApplyLanguage(true, ItalianLanguage);
    QCoreApplication::processEvents();
    QCOMPARE(hook.window()->currentPage(), QUrl(QStringLiteral("qrc:/palvane/help/it/topic9.html")));
    QCOMPARE(hook.window()->browser()->documentTitle(), QStringLiteral("Libreria container"));
    QVERIFY(uitest::saveScreenshot(hook.window(), QStringLiteral("HelpContainerLibrary-it")));
    // German has no pages of its own: English.
    language->ApplyLanguage(true, GermanLanguage);
    QCoreApplication::processEvents();
    QCOMPARE(hook.window()->currentPage(), QUrl(QStringLiteral("qrc:/palvane/help/topic9.html")));
    QVERIFY(hook.request(HelpCommand::Other, 0));
    QCOMPARE(hook.window()->currentPage(), QUrl(QStringLiteral("qrc:/palvane/help/default.html")));
    language->ApplyLanguage(true, EnglishLanguage);
}

void HelpWindowTest::pagesSayWhatAPlannerNeeds() {
    // Read as plain text, English pages: the facts a planner looks for.
    const auto page = [](const QString& name) {
        QFile f(QStringLiteral(":/palvane/help/") + name);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(f.readAll()));
        return doc.toPlainText();
    };
    const QString contents = page(QStringLiteral("default.html"));
    QVERIFY(contents.contains(QStringLiteral("millimetres and kilograms")));
    for (const char* reason :
         {"Ignore Last Container", "Net Cost Factor", "Time Limit", "larger than every container"})
        QVERIFY2(contents.contains(QLatin1String(reason)), reason);
    QVERIFY(page(QStringLiteral("topic1.html")).contains(QStringLiteral("Net Cost")));
    const QString boxes = page(QStringLiteral("topic11.html"));
    // The clipboard log holds the pasted text; it is no list of failed lines.
    QVERIFY(boxes.contains(QStringLiteral("PasteBoxesLog.txt")));
    QVERIFY(!boxes.contains(QStringLiteral("lines that fail are logged")));
    for (const char* example :
         {"5 Pallet 1200 800", "Pallet 5 1200 800", "Pallet 1200 800 5 25", "Pallet 1200 800 25 5"})
        QVERIFY2(boxes.contains(QLatin1String(example)), example);
    QVERIFY(boxes.contains(QStringLiteral("True or False")));
    const QString conts = page(QStringLiteral("topic9.html"));
    for (const char* column : {"NoseWt", "TailWt", "NoseDL", "TailDL"})
        QVERIFY2(conts.contains(QLatin1String(column)), column);
    // Switching to the import database copies nothing.
    const QString settings = page(QStringLiteral("topic13.html"));
    QVERIFY(settings.contains(QStringLiteral("Nothing is copied")));
    QVERIFY(!settings.contains(QStringLiteral("imports")));
}

void HelpWindowTest::f1AsksForTheNearestContext() {
    QWidget settings;
    settings.setProperty("helpContext", 13);
    QWidget* control = new QWidget(&settings);
    control->setFocusPolicy(Qt::StrongFocus);
    QWidget plain;
    settings.show();
    plain.show();

    HelpHook hook;
    QTest::keyClick(control, Qt::Key_F1);
    QVERIFY(!hook.isShowing()); // not installed: F1 is nobody's
    QVERIFY(!HelpHook::current());

    hook.setInstalled(true);
    QCOMPARE(HelpHook::current(), &hook);
    QTest::keyClick(control, Qt::Key_F1);
    QVERIFY(hook.isShowing());
    QCOMPARE(hook.window()->currentPage(), HelpHook::topicPage(13));
    QTest::keyClick(&plain, Qt::Key_F1);
    QCOMPARE(hook.window()->currentPage(), HelpHook::defaultTopic());

    // Removing the hook closes help and F1 has no effect any more.
    hook.setInstalled(false);
    QVERIFY(!hook.isShowing());
    QVERIFY(!HelpHook::current());
    QTest::keyClick(control, Qt::Key_F1);
    QVERIFY(!hook.isShowing());
}

namespace {

// Clicks a help window button through the window system, as a user does: a window blocked by a
// modal window never gets the click.
void clickThroughWindow(HelpWindow* help, const QString& buttonText) {
    for (QPushButton* b : help->findChildren<QPushButton*>()) {
        if (b->text() == buttonText) {
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, b->mapTo(help, b->rect().center()));
            return;
        }
    }
    QFAIL("no such button");
}

} // namespace

// F1 in a modal window (a library, the Solution Page) opens a help window that takes clicks and
// closes while the modal window stays open; so again for the next modal window.
void HelpWindowTest::helpFromModalWindowsTakesClicks() {
    QWidget owner;
    owner.resize(300, 200);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    HelpHook hook(&owner);
    hook.setInstalled(true);
    for (int context : {11, 5}) {
        QDialog modal(&owner);
        modal.setProperty("helpContext", context);
        auto* button = new QPushButton(QStringLiteral("x"), &modal);
        bool shown = false, indexShown = false, closed = false, modalOpen = false;
        uitest::onNextModal([&](QWidget*) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_F1);
            HelpWindow* help = hook.window();
            shown = hook.isShowing() && help->currentPage() == HelpHook::topicPage(context);
            shown = QTest::qWaitForWindowExposed(help) && shown;
            clickThroughWindow(help, QStringLiteral("&Index"));
            indexShown = help->currentPage() == HelpHook::indexPage();
            closed = help->close() && !hook.isShowing();
            modalOpen = modal.isVisible();
            modal.accept();
        });
        modal.exec();
        QVERIFY(shown);
        QVERIFY(indexShown);
        QVERIFY(closed);
        QVERIFY(modalOpen);
    }
    // Without a modal window the help window belongs to its owner again and still takes clicks.
    QVERIFY(hook.showContext(1));
    QVERIFY(QTest::qWaitForWindowExposed(hook.window()));
    clickThroughWindow(hook.window(), QStringLiteral("&Index"));
    QCOMPARE(hook.window()->currentPage(), HelpHook::indexPage());
    hook.setInstalled(false);
}

void HelpWindowTest::helpMenuEntries() {
    QWidget page;
    HelpMenu menu(&page);
    QCOMPARE(menu.HelpPop()->text(), QStringLiteral("Help"));
    QCOMPARE(menu.AboutPop()->text(), QStringLiteral("About"));
    QCOMPARE(menu.AcknoPop()->text(), QStringLiteral("Acknowledgements"));
    QCOMPARE(menu.LangPop()->title(), QStringLiteral("Language"));
    QStringList order;
    for (QAction* a : menu.actions())
        order << a->text();
    QCOMPARE(order, (QStringList{QStringLiteral("Help"), QStringLiteral("About"),
                                 QStringLiteral("Acknowledgements"), QStringLiteral("Language")}));

    // Help asks the installed hook for context 1.
    HelpHook hook(&page);
    hook.setInstalled(true);
    QSignalSpy helpSpy(&menu, &HelpMenu::helpRequested);
    menu.HelpPop()->trigger();
    QCOMPARE(helpSpy.count(), 1);
    QCOMPARE(helpSpy.at(0).at(0).toInt(), 1);
    QCOMPARE(hook.window()->currentPage(), HelpHook::topicPage(1));
    hook.setInstalled(false);

    // About and Acknowledgements open their windows modally.
    QDialog about, ackno;
    menu.setWindows(&about, &ackno);
    bool aboutShown = false, acknoShown = false;
    uitest::onNextModal([&](QWidget* w) {
        aboutShown = w == &about;
        about.accept();
    });
    menu.AboutPop()->trigger();
    QVERIFY(aboutShown);
    uitest::onNextModal([&](QWidget* w) {
        acknoShown = w == &ackno;
        ackno.accept();
    });
    menu.AcknoPop()->trigger();
    QVERIFY(acknoShown);

    // Without the windows the entries do nothing.
    menu.setWindows(nullptr, nullptr);
    menu.AboutPop()->trigger();

    QPushButton button(QStringLiteral("?"), &page);
    page.show();
    menu.popupAt(&button);
    QVERIFY(menu.isVisible());
    menu.hide();
}

void HelpWindowTest::languageEntriesAndCodes() {
    LanguageSwitch* language = LanguageSwitch::instance();
    HelpMenu menu;
    QCOMPARE(menu.EnglishPop()->text(), QStringLiteral("English"));
    QCOMPARE(menu.FrenchPop()->text(), QStringLiteral("French"));
    QCOMPARE(menu.ItalianPop()->text(), QStringLiteral("Italian"));
    QVERIFY(menu.EnglishPop()->isChecked());

    QCOMPARE(LanguageSwitch::effectiveLanguage(0), int(EnglishLanguage));
    QCOMPARE(LanguageSwitch::effectiveLanguage(1), int(FrenchLanguage));
    QCOMPARE(LanguageSwitch::effectiveLanguage(2), int(EnglishLanguage)); // German applies English
    QCOMPARE(LanguageSwitch::effectiveLanguage(3), int(ItalianLanguage));
    QCOMPARE(LanguageSwitch::effectiveLanguage(-5), int(EnglishLanguage));
    QCOMPARE(LanguageSwitch::effectiveLanguage(42), int(EnglishLanguage));

    menu.FrenchPop()->trigger();
    QCOMPARE(language->LanguageCode(), 1);
    QCOMPARE(language->activeLanguage(), int(FrenchLanguage));
    QVERIFY(menu.FrenchPop()->isChecked());
    QVERIFY(!menu.EnglishPop()->isChecked());

    menu.ItalianPop()->trigger();
    QCOMPARE(language->LanguageCode(), 3);
    QVERIFY(menu.ItalianPop()->isChecked());

    // A stored German code or any other value shows English and checks the English entry.
    language->ApplyLanguage(true, 2);
    QCOMPARE(language->LanguageCode(), 2);
    QCOMPARE(language->activeLanguage(), int(EnglishLanguage));
    QVERIFY(menu.EnglishPop()->isChecked());
    QVERIFY(!language->translationLoaded());
    language->ApplyLanguage(true, 9);
    QVERIFY(menu.EnglishPop()->isChecked());

    // Without controls only the texts change: the stored code and the menu stay.
    language->ApplyLanguage(false, 3);
    QCOMPARE(language->activeLanguage(), int(ItalianLanguage));
    QCOMPARE(language->LanguageCode(), 9);
    QVERIFY(menu.EnglishPop()->isChecked());
    language->setLanguageCode(1);
    QCOMPARE(language->LanguageCode(), 1);

    // English needs no translation file: back to English, the menu shows its English texts.
    language->ApplyLanguage(true, 0);
    QCOMPARE(menu.HelpPop()->text(), QStringLiteral("Help"));
    QCOMPARE(language->helpFileName(), QStringLiteral("korvan.chm"));
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
