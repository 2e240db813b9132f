// The About window with the program-wide switches (tooltips of every window off while "Prompts"
// is cleared), the Acknowledgements window, and both following a language switch at once.
#include "AboutForm.h"
#include "AcknoForm.h"
#include "ProgramSwitches.h"
#include "UiTestUtil.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using namespace palvane;

namespace {

// Counts the tooltip events that reach it.
class HintTarget : public QWidget {
public:
    int tooltips = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip)
            ++tooltips;
        return QWidget::event(e);
    }
};

void askForTooltip(QWidget* w) {
    QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}

// Marks every text of the program's windows, standing in for a translation file.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context).startsWith("palvane::"))
            return QStringLiteral("<") + QString::fromUtf8(source) + QStringLiteral(">");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class AboutFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void aboutShowsTitleVersionAndSwitches();
    void promptsSwitchSuppressesTooltipsEverywhere();
    void warningsSwitchIsAnnounced();
    void acknowledgementsWindow();
    void languageSwitchChangesOpenWindows();
};

void AboutFormTest::aboutShowsTitleVersionAndSwitches() {
    TAboutForm about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About  2D Palvane"));
    QCOMPARE(about.ThanksLab()->text(), QStringLiteral("Thank you for using  2D Palvane"));
    QCOMPARE(about.HintsCheck()->text(), QStringLiteral("Prompts"));
    QCOMPARE(about.HintsCheck()->toolTip(), QStringLiteral("Show context prompts and hints"));
    QCOMPARE(about.WarnsCheck()->text(), QStringLiteral("Warnings"));
    QCOMPARE(about.WarnsCheck()->toolTip(), QStringLiteral("Show all warnings and confirm messages"));
    QCOMPARE(about.OkButton()->text(), QStringLiteral("Ok"));
    QVERIFY(about.isModal());
    QStringList texts;
    for (QLabel* l : about.findChildren<QLabel*>())
        texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("2D Palvane")));
    QVERIFY(texts.join(QLatin1Char(' ')).contains(QStringLiteral("1.95")));
    QVERIFY(about.HintsCheck()->isChecked());
    QVERIFY(about.WarnsCheck()->isChecked());

    about.show();
    QVERIFY(uitest::saveScreenshot(&about, QStringLiteral("About")));
    QTest::mouseClick(about.OkButton(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void AboutFormTest::promptsSwitchSuppressesTooltipsEverywhere() {
    ProgramSwitches* switches = ProgramSwitches::instance();
    TAboutForm about;
    HintTarget other; // a control of another window
    other.setToolTip(QStringLiteral("hint"));
    QSignalSpy spy(switches, &ProgramSwitches::hintsChanged);

    askForTooltip(&other);
    QCOMPARE(other.tooltips, 1);

    about.show();
    QTest::mouseClick(about.HintsCheck(), Qt::LeftButton);
    QVERIFY(!about.HintsCheck()->isChecked());
    QVERIFY(!switches->hintsOn());
    QCOMPARE(spy.count(), 1);
    askForTooltip(&other);
    askForTooltip(about.WarnsCheck());
    QCOMPARE(other.tooltips, 1);

    QTest::mouseClick(about.HintsCheck(), Qt::LeftButton);
    QVERIFY(switches->hintsOn());
    askForTooltip(&other);
    QCOMPARE(other.tooltips, 2);

    // A second About window shows the switch as it stands.
    switches->setHintsOn(false);
    TAboutForm second;
    QVERIFY(!second.HintsCheck()->isChecked());
    QVERIFY(!about.HintsCheck()->isChecked());
    switches->setHintsOn(true);
}

void AboutFormTest::warningsSwitchIsAnnounced() {
    ProgramSwitches* switches = ProgramSwitches::instance();
    TAboutForm about;
    about.show();
    QSignalSpy spy(switches, &ProgramSwitches::warnsChanged);
    QTest::mouseClick(about.WarnsCheck(), Qt::LeftButton);
    QVERIFY(!switches->warnsOn());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QTest::mouseClick(about.WarnsCheck(), Qt::LeftButton);
    QVERIFY(switches->warnsOn());
    QCOMPARE(spy.count(), 2);
}

void AboutFormTest::acknowledgementsWindow() {
    TAcknoForm ackno;
    QCOMPARE(ackno.windowTitle(), QStringLiteral("Acknowlegements"));
    QCOMPARE(
        ackno.captionLabel(0)->text(),
        QStringLiteral("Many thanks go to the translators of the\nlocalized versions for their hard work:"));
    QCOMPARE(ackno.captionLabel(1)->text(), QStringLiteral("French:\n\nItalian:"));
    QCOMPARE(ackno.captionLabel(2)->text(),
             QStringLiteral("If you would like to add a translation\nin a new language, please contact:"));
    // A name for each language on the lines of its caption, and a contact.
    QCOMPARE(ackno.nameLabel(1)->text().count(QLatin1Char('\n')), 2);
    QVERIFY(!ackno.nameLabel(2)->text().isEmpty());
    QVERIFY(ackno.isModal());
    ackno.show();
    QVERIFY(uitest::saveScreenshot(&ackno, QStringLiteral("Acknowledgements")));
    QTest::mouseClick(ackno.CloseButton(), Qt::LeftButton);
    QVERIFY(!ackno.isVisible());
}

void AboutFormTest::languageSwitchChangesOpenWindows() {
    TAboutForm about;
    TAcknoForm ackno;
    about.show();
    ackno.show();
    MarkingTranslator marks;
    QCoreApplication::installTranslator(&marks);
    QCoreApplication::processEvents();
    QCOMPARE(about.HintsCheck()->text(), QStringLiteral("<Prompts>"));
    QCOMPARE(about.windowTitle(), QStringLiteral("<About  >2D Palvane"));
    QCOMPARE(ackno.windowTitle(), QStringLiteral("<Acknowlegements>"));
    QCoreApplication::removeTranslator(&marks);
    QCoreApplication::processEvents();
    QCOMPARE(about.HintsCheck()->text(), QStringLiteral("Prompts"));
    QCOMPARE(ackno.windowTitle(), QStringLiteral("Acknowlegements"));
}

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
