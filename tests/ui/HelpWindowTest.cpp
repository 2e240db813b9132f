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
    QList<QUrl> pages{HelpHook::indexPage(), HelpHook::defaultTopic()};
    for (int context : HelpHook::contextNumbers()) {
        QVERIFY(HelpHook::topicPage(context) != HelpHook::defaultTopic());
        pages << HelpHook::topicPage(context);
    }
    QCOMPARE(HelpHook::topicPage(1), QUrl(QStringLiteral("qrc:/palvane/help/topic1.html")));
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QUrl& page : pages) {
        QFile file(QLatin1Char(':') + page.path());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page.toString()));
        const QString html = QString::fromUtf8(file.readAll());
        QTextDocument doc;
        doc.setHtml(html);
        QVERIFY2(!doc.metaInformation(QTextDocument::DocumentTitle).isEmpty(), qPrintable(page.toString()));
        for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            QVERIFY2(QFile::exists(QStringLiteral(":/palvane/help/") + target),
                     qPrintable(page.toString() + QStringLiteral(" -> ") + target));
        }
    }
    // The default topic reaches every topic page.
    QFile contents(QStringLiteral(":/palvane/help/default.html"));
    QVERIFY(contents.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(contents.readAll());
    for (int context : HelpHook::contextNumbers())
        QVERIFY(html.contains(QStringLiteral("topic%1.html").arg(context)));
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
            QTest::qWaitForWindowExposed(help);
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
