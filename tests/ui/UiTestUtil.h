#pragma once
// Helpers shared by the window tests: screenshots into the test output folder and closing the
// modal dialog a test opened.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace palvane::uitest {

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
