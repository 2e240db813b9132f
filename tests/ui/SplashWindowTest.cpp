// The splash window and its JPEG picture decoded with libjpeg: the shipped picture decodes to
// 400 x 300 and matches Qt's own decoder, greyscale pictures, damaged and foreign data refused
// cleanly, and the window's size, frame and centring.
#include "SplashWindow.h"
#include "AppResources.h"
#include "JpegImage.h"
#include "UiTestUtil.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

using namespace palvane;

namespace {

// The largest difference of one colour channel between two images of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void shippedPictureDecodes();
    void greyscalePicture();
    void foreignAndDamagedData();
    void windowIsCentredWithThePictureInItsPanel();
};

void SplashWindowTest::shippedPictureDecodes() {
    QFile file(splashPicturePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QString error;
    const QImage image = decodeJpeg(data, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QCOMPARE(image.size(), QSize(400, 300));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QVERIFY(error.isEmpty());

    // Same picture as Qt's own JPEG reader gives (both use libjpeg; allow rounding of the
    // colour conversion).
    QImage reference;
    QVERIFY(reference.loadFromData(data, "JPEG"));
    reference = reference.convertToFormat(QImage::Format_RGB32);
    QVERIFY(largestDifference(image, reference) <= 2);
    // Not a flat picture: it has both dark and light parts.
    QVERIFY(qGray(image.pixel(5, 5)) < 100);
    QVERIFY(qGray(image.pixel(200, 180)) > 100 || qGray(image.pixel(60, 130)) > 100);
}

void SplashWindowTest::greyscalePicture() {
    QImage grey(40, 30, QImage::Format_Grayscale8);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            grey.setPixel(x, y, qRgb(x * 6, x * 6, x * 6));
    const QImage decoded = decodeJpeg(encode(grey, "JPEG"));
    QCOMPARE(decoded.size(), QSize(40, 30));
    for (int x : {0, 13, 39}) {
        const QRgb p = decoded.pixel(x, 15);
        QCOMPARE(qRed(p), qGreen(p));
        QCOMPARE(qGreen(p), qBlue(p));
        QVERIFY(std::abs(qRed(p) - x * 6) <= 8);
    }
}

void SplashWindowTest::foreignAndDamagedData() {
    QString error;
    QVERIFY(decodeJpeg(QByteArray(), &error).isNull());
    QVERIFY(!error.isEmpty());

    error.clear();
    QVERIFY(decodeJpeg(QByteArray("This is not a picture at all, just text.").repeated(10), &error).isNull());
    QVERIFY(!error.isEmpty());

    error.clear();
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(decodeJpeg(encode(small, "PNG"), &error).isNull());
    QVERIFY(!error.isEmpty());

    // A picture cut after its header: the decoder does not crash; what it gives, if anything,
    // keeps the picture's size.
    QFile file(splashPicturePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    for (qsizetype cut : {qsizetype(20), qsizetype(400), whole.size() / 2}) {
        const QImage part = decodeJpeg(whole.left(cut));
        QVERIFY(part.isNull() || part.size() == QSize(400, 300));
    }

    error.clear();
    QVERIFY(loadJpeg(QStringLiteral(":/palvane/no-such-picture.jpg"), &error).isNull());
    QVERIFY(!error.isEmpty());
}

void SplashWindowTest::windowIsCentredWithThePictureInItsPanel() {
    SplashWindow splash;
    QVERIFY(splash.pictureError().isEmpty());
    QCOMPARE(splash.picture().size(), QSize(400, 300));
    QCOMPARE(splash.size(), QSize(404, 304));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    splash.showAndPaint();
    QVERIFY(splash.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(std::abs(splash.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(splash.geometry().center().y() - screen.center().y()) <= 1);

    auto* image = splash.findChild<QLabel*>();
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(400, 300));
    QCOMPARE(image->pixmap().size(), QSize(400, 300));
    const QImage shot = splash.grab().toImage();
    QVERIFY(uitest::saveScreenshot(&splash, QStringLiteral("Splash")));
    // The picture fills the inside of the panel.
    QVERIFY(largestDifference(shot.copy(2, 2, 400, 300).convertToFormat(QImage::Format_RGB32),
                              splash.picture()) <= 1);
}

QTEST_MAIN(SplashWindowTest)
#include "SplashWindowTest.moc"
