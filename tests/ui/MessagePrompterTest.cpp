// Message boxes of the prompter: icons, titles, line breaks, the button sets in order, the answer
// of every button, the safe answer of a box closed by Esc, and real modal boxes.
#include "MessagePrompter.h"
#include "UiTestUtil.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace palvane;

Q_DECLARE_METATYPE(palvane::PromptButtons)
Q_DECLARE_METATYPE(palvane::PromptKind)

class MessagePrompterTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void buttonSetsAnswerWithTheButtonClicked_data();
    void buttonSetsAnswerWithTheButtonClicked();
    void kindsTitlesAndLineBreaks_data();
    void kindsTitlesAndLineBreaks();
    void closedWithoutAButtonGivesTheSafeAnswer();
    void realModalBoxes();
};

void MessagePrompterTest::buttonSetsAnswerWithTheButtonClicked_data() {
    QTest::addColumn<PromptButtons>("set");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("escapeAnswer");
    QTest::newRow("OK") << PromptButtons::Ok << QList<int>{int(PromptAnswer::Ok)} << int(PromptAnswer::Ok);
    QTest::newRow("OK Cancel") << PromptButtons::OkCancel
                               << QList<int>{int(PromptAnswer::Ok), int(PromptAnswer::Cancel)}
                               << int(PromptAnswer::Cancel);
    QTest::newRow("OK Ignore") << PromptButtons::OkIgnore
                               << QList<int>{int(PromptAnswer::Ok), int(PromptAnswer::Ignore)}
                               << int(PromptAnswer::Ignore);
    QTest::newRow("Yes No") << PromptButtons::YesNo
                            << QList<int>{int(PromptAnswer::Yes), int(PromptAnswer::No)}
                            << int(PromptAnswer::No);
    QTest::newRow("Yes No All Yes to All") << PromptButtons::YesNoAllYesToAll
                                           << QList<int>{int(PromptAnswer::Yes), int(PromptAnswer::No),
                                                         int(PromptAnswer::All), int(PromptAnswer::YesToAll)}
                                           << int(PromptAnswer::No);
    QTest::newRow("Yes No No to All Yes to All")
        << PromptButtons::YesNoNoToAllYesToAll
        << QList<int>{int(PromptAnswer::Yes), int(PromptAnswer::No), int(PromptAnswer::NoToAll),
                      int(PromptAnswer::YesToAll)}
        << int(PromptAnswer::No);
}

void MessagePrompterTest::buttonSetsAnswerWithTheButtonClicked() {
    QFETCH(PromptButtons, set);
    QFETCH(QList<int>, answers);
    QFETCH(int, escapeAnswer);

    // The box has exactly the set's buttons; the first is the default.
    std::unique_ptr<QMessageBox> box(
        MessagePrompter::buildBox(PromptKind::Confirmation, QStringLiteral("?"), set, QString(), nullptr));
    QCOMPARE(box->buttons().size(), answers.size());
    QVERIFY(box->defaultButton());
    QCOMPARE(int(MessagePrompter::answerOf(*box, box->defaultButton(), set)), answers.first());
    QVERIFY(box->escapeButton());
    QCOMPARE(int(MessagePrompter::answerOf(*box, box->escapeButton(), set)), escapeAnswer);

    // Clicking each button in turn answers with that button.
    QList<int> got;
    QStringList texts;
    for (int i = 0; i < answers.size(); ++i) {
        MessagePrompter prompter;
        prompter.setExecHook([&](QMessageBox& b) {
            // Buttons in the order the set names them: find the i-th answer's button.
            for (QAbstractButton* button : b.buttons()) {
                if (int(MessagePrompter::answerOf(b, button, set)) == answers[i]) {
                    texts << button->text().remove(QLatin1Char('&'));
                    button->click();
                }
            }
        });
        got << int(prompter.ask(PromptKind::Confirmation, QStringLiteral("Question"), set));
    }
    QCOMPARE(got, answers);
    if (answers.contains(int(PromptAnswer::All)))
        QVERIFY(texts.contains(QStringLiteral("All")));
    if (answers.contains(int(PromptAnswer::YesToAll)))
        QVERIFY(texts.contains(QStringLiteral("Yes to All")));
}

void MessagePrompterTest::kindsTitlesAndLineBreaks_data() {
    QTest::addColumn<PromptKind>("kind");
    QTest::addColumn<int>("icon");
    QTest::newRow("information") << PromptKind::Information << int(QMessageBox::Information);
    QTest::newRow("warning") << PromptKind::Warning << int(QMessageBox::Warning);
    QTest::newRow("error") << PromptKind::Error << int(QMessageBox::Critical);
    QTest::newRow("confirmation") << PromptKind::Confirmation << int(QMessageBox::Question);
}

void MessagePrompterTest::kindsTitlesAndLineBreaks() {
    QFETCH(PromptKind, kind);
    QFETCH(int, icon);
    MessagePrompter prompter;
    QString text, title;
    int shownIcon = -1;
    prompter.setExecHook([&](QMessageBox& b) {
        text = b.text();
        title = b.windowTitle();
        shownIcon = int(b.icon());
    });
    prompter.ask(kind, QStringLiteral("IniFile access error.\rLoading default settings"), PromptButtons::Ok);
    QCOMPARE(shownIcon, icon);
    QCOMPARE(text, QStringLiteral("IniFile access error.\nLoading default settings"));
    QCOMPARE(title, QStringLiteral("2D Palvane"));

    prompter.ask(kind, QStringLiteral("French:\r\rItalian:\r\nEnd"), PromptButtons::Ok,
                 QStringLiteral("Own title"));
    QCOMPARE(text, QStringLiteral("French:\n\nItalian:\nEnd"));
    QCOMPARE(title, QStringLiteral("Own title"));
}

void MessagePrompterTest::closedWithoutAButtonGivesTheSafeAnswer() {
    MessagePrompter prompter;
    prompter.setExecHook([](QMessageBox&) {});
    QCOMPARE(prompter.ask(PromptKind::Confirmation, QStringLiteral("Exit program?"), PromptButtons::OkCancel),
             PromptAnswer::Cancel);
    QCOMPARE(prompter.ask(PromptKind::Confirmation, QStringLiteral("?"), PromptButtons::YesNo),
             PromptAnswer::No);
    QCOMPARE(prompter.ask(PromptKind::Confirmation, QStringLiteral("?"), PromptButtons::YesNoAllYesToAll),
             PromptAnswer::No);
    QCOMPARE(prompter.ask(PromptKind::Warning, QStringLiteral("?"), PromptButtons::OkIgnore),
             PromptAnswer::Ignore);
    QCOMPARE(prompter.ask(PromptKind::Information, QStringLiteral("?"), PromptButtons::Ok), PromptAnswer::Ok);
}

void MessagePrompterTest::realModalBoxes() {
    QWidget owner;
    owner.resize(300, 200);
    owner.show();
    MessagePrompter prompter(&owner);

    // A click on a shown box.
    bool screenshot = false;
    uitest::onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        screenshot = uitest::saveScreenshot(box, QStringLiteral("MessageBoxYesNoAllYesToAll"));
        box->button(QMessageBox::YesToAll)->click();
    });
    QCOMPARE(prompter.ask(PromptKind::Confirmation,
                          QStringLiteral("Are you sure to modify box properties (Yes/No)?\r"
                                         "... regarding all other related tasks (All)?"),
                          PromptButtons::YesNoAllYesToAll),
             PromptAnswer::YesToAll);
    QVERIFY(screenshot);

    // Esc on a shown box: the cancelling button of the set.
    uitest::onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    QCOMPARE(prompter.ask(PromptKind::Confirmation, QStringLiteral("Exit program?"), PromptButtons::OkCancel),
             PromptAnswer::Cancel);
    uitest::onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    QCOMPARE(prompter.ask(PromptKind::Confirmation, QStringLiteral("Clear current task solution?"),
                          PromptButtons::YesNo),
             PromptAnswer::No);
    // Enter takes the default, the first button.
    uitest::onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    QCOMPARE(prompter.ask(PromptKind::Confirmation, QStringLiteral("Clear current task solution?"),
                          PromptButtons::YesNo),
             PromptAnswer::Yes);
}

QTEST_MAIN(MessagePrompterTest)
#include "MessagePrompterTest.moc"
