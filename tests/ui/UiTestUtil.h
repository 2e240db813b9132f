#pragma once
// Helpers shared by the window tests: screenshots into the test output folder and closing the
// modal dialog a test opened.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace palvane::uitest {

// Called by the init() of every window test: the test fails when the item views report an
// editor that lost its view (the row it edited was stored or re-read under it) or an edit of a
// cell that no longer exists. Both mean keystrokes could reach another row than the one shown.
inline void failOnViewWarnings() {
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("closeEditor called with an editor that does not belong to this view")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("edit: index was invalid")));
}

// Saves a screenshot of the widget as <name>.png in the test output folder; true when written.
inline bool saveScreenshot(QWidget* w, const QString& name) {
    QDir().mkpath(QStringLiteral(PALVANE_TEST_OUT));
    return w->grab().save(QDir(QStringLiteral(PALVANE_TEST_OUT)).filePath(name + QStringLiteral(".png")));
}

// Runs action on the next modal widget once it is shown (polling the event loop), so a test can
// look at a dialog that exec() keeps open and then close it.
inline void onNextModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(w);
        }
    });
    timer->start();
}

} // namespace palvane::uitest
