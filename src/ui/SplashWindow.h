#pragma once
// The splash window shown while the program starts: a borderless, screen-centred window of
// 404 x 304 pixels, a lowered panel filling it and the program's 400 x 300 picture inside.
#include <QImage>
#include <QWidget>

class QFrame;
class QLabel;

namespace palvane {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Centres the window on the screen, shows it and paints it at once.
    void showAndPaint();
    // The decoded picture (null when the resource could not be decoded: the panel stays empty).
    const QImage& picture() const { return m_picture; }
    // Why the picture could not be decoded, else empty.
    const QString& pictureError() const { return m_error; }

private:
    QImage m_picture;
    QString m_error;
    QFrame* m_panel;
    QLabel* m_image;
};

} // namespace palvane
