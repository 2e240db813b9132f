#include "SplashWindow.h"

#include "AppResources.h"
#include "JpegImage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace palvane {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(404, 304);
    m_panel = new QFrame(this);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setLineWidth(2);
    m_panel->setGeometry(rect());
    m_image = new QLabel(m_panel);
    m_image->setGeometry(2, 2, 400, 300);
    m_picture = loadJpeg(splashPicturePath(), &m_error);
    if (!m_picture.isNull())
        m_image->setPixmap(QPixmap::fromImage(m_picture));
}

void SplashWindow::showAndPaint() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace palvane
