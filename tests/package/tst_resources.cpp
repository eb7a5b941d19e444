#include "Unit1/Unit1.h"
#include "Unit2/Unit2.h"
#include "Unit3/Unit3.h"
#include "app/Startup.h"
#include "picture/JpegDecoder.h"
#include "toolkit/Application.h"

#include <QFile>
#include <QIcon>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

// The built-in pictures and the program icon as the program finds them in
// its resources.
class TestResources : public QObject {
    Q_OBJECT
private slots:
    void jpegFiles_data();
    void jpegFiles();
    void backgroundIsAGrassyHillUnderASky();
    void badges_data();
    void badges();
    void iconSizes_data();
    void iconSizes();
    void iconSourceIsSquareSvg();
    void everyWindowWearsTheProgramIcon();
};

namespace {

QByteArray resource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage decoded(const QString& path) {
    return picture::decodeJpeg(resource(path)).image().convertToFormat(QImage::Format_RGB32);
}

// The frame header of a baseline JPEG: precision and component count.
struct Frame {
    int precision = 0;
    int components = 0;
};

Frame jpegFrame(const QByteArray& data) {
    for (qsizetype i = 2; i + 9 < data.size();) {
        if (uchar(data[i]) != 0xFF)
            return {};
        const uchar marker = uchar(data[i + 1]);
        const int length = (uchar(data[i + 2]) << 8) | uchar(data[i + 3]);
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2)
            return {uchar(data[i + 4]), uchar(data[i + 9])};
        i += 2 + length;
    }
    return {};
}

struct Stats {
    double red = 0, green = 0, blue = 0, lumaDeviation = 0;
};

Stats stats(const QImage& img, const QRect& area) {
    Stats s;
    double luma = 0, luma2 = 0;
    const double n = double(area.width()) * area.height();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            s.red += qRed(p) / n;
            s.green += qGreen(p) / n;
            s.blue += qBlue(p) / n;
            luma += qGray(p) / n;
            luma2 += double(qGray(p)) * qGray(p) / n;
        }
    s.lumaDeviation = std::sqrt(std::max(0.0, luma2 - luma * luma));
    return s;
}

bool nearWhite(QRgb p, int floor) {
    return qRed(p) >= floor && qGreen(p) >= floor && qBlue(p) >= floor;
}

} // namespace

void TestResources::jpegFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << ":/morvane/background.jpg" << QSize(450, 450);
    QTest::newRow("CD badge") << ":/morvane/badge-cd.jpg" << QSize(63, 19);
    QTest::newRow("DVD badge") << ":/morvane/badge-dvd.jpg" << QSize(63, 19);
}

void TestResources::jpegFiles() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QByteArray data = resource(path);
    QVERIFY2(!data.isEmpty(), qPrintable(path));
    // 24-bit colour: three 8-bit components.
    const Frame frame = jpegFrame(data);
    QCOMPARE(frame.precision, 8);
    QCOMPARE(frame.components, 3);
    // Our own decoder reads it whole.
    const picture::Picture pic = picture::decodeJpeg(data);
    QCOMPARE(pic.kind(), picture::Picture::Kind::Raster);
    QCOMPARE(pic.size(), size);
    QCOMPARE(pic.image().size(), size);
    QVERIFY(!pic.takeDeferredError());
}

void TestResources::backgroundIsAGrassyHillUnderASky() {
    const QImage img = decoded(QStringLiteral(":/morvane/background.jpg"));
    QCOMPARE(img.size(), QSize(450, 450));
    // Blue sky across the top, green grass across the bottom.
    const Stats sky = stats(img, QRect(0, 0, 450, 40));
    QVERIFY2(sky.blue > sky.red + 60 && sky.blue > sky.green + 20,
             qPrintable(QStringLiteral("%1 %2 %3").arg(sky.red).arg(sky.green).arg(sky.blue)));
    const Stats grass = stats(img, QRect(0, 380, 450, 70));
    QVERIFY2(
        grass.green > grass.red + 40 && grass.green > grass.blue + 60,
        qPrintable(QStringLiteral("%1 %2 %3").arg(grass.red).arg(grass.green).arg(grass.blue)));
    // The grass has texture, not one flat colour.
    QVERIFY2(grass.lumaDeviation > 6, qPrintable(QString::number(grass.lumaDeviation)));
    // White clouds in the sky: a fair share of near-white pixels up there,
    // and none down in the grass.
    int cloudy = 0, whiteInGrass = 0;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x)
            (y < 225 ? cloudy : whiteInGrass) += nearWhite(img.pixel(x, y), 225);
    QVERIFY2(cloudy > 450 * 225 / 50, qPrintable(QString::number(cloudy)));
    QCOMPARE(whiteInGrass, 0);
}

void TestResources::badges_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("letters");
    QTest::newRow("CD") << ":/morvane/badge-cd.jpg" << 2;
    QTest::newRow("DVD") << ":/morvane/badge-dvd.jpg" << 3;
}

void TestResources::badges() {
    QFETCH(QString, path);
    QFETCH(int, letters);
    const QImage img = decoded(path);
    QCOMPARE(img.size(), QSize(63, 19));
    // Near-white corners outside the ellipse.
    for (QPoint corner : {QPoint(0, 0), QPoint(62, 0), QPoint(0, 18), QPoint(62, 18)})
        QVERIFY2(nearWhite(img.pixel(corner), 235), qPrintable(QColor(img.pixel(corner)).name()));
    // A thin dark-navy outline: walking in from the left edge along the middle
    // row, the first dark pixel comes within a few pixels and is bluish.
    int edge = -1;
    for (int x = 0; x < 8 && edge < 0; ++x)
        if (qGray(img.pixel(x, 9)) < 110)
            edge = x;
    QVERIFY(edge >= 0);
    const QRgb outline = img.pixel(edge, 9);
    QVERIFY2(qBlue(outline) > qRed(outline) + 20, qPrintable(QColor(outline).name()));
    // Light-blue fill just inside the outline.
    const QRgb fill = img.pixel(edge + 4, 9);
    QVERIFY2(qBlue(fill) > qRed(fill) + 40 && qGray(fill) > 130, qPrintable(QColor(fill).name()));
    // Pale letters in the middle: columns that hold near-white pixels; the
    // three letters of "DVD" cover more columns than the two of "CD".
    int paleColumns = 0;
    for (int x = 12; x < 51; ++x) {
        bool pale = false;
        for (int y = 4; y < 15; ++y)
            pale = pale || nearWhite(img.pixel(x, y), 215);
        paleColumns += pale;
    }
    QVERIFY2(paleColumns > 6 * letters && paleColumns < 13 * letters,
             qPrintable(QString::number(paleColumns)));
}

void TestResources::iconSizes_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
}

void TestResources::iconSizes() {
    QFETCH(int, size);
    const QImage icon(QStringLiteral(":/morvane/icons/morvane-%1.png").arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // A round disc: clear corners, an opaque body.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(0, size - 1)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 4)), 255);
    QCOMPARE(qAlpha(icon.pixel(size / 4, size / 2)), 255);
}

void TestResources::iconSourceIsSquareSvg() {
    QXmlStreamReader xml(resource(QStringLiteral(":/morvane/icons/morvane.svg")));
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    const QStringList box =
        xml.attributes().value(QLatin1String("viewBox")).toString().split(QLatin1Char(' '));
    QCOMPARE(box.size(), 4);
    QCOMPARE(box[2], box[3]);
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestResources::everyWindowWearsTheProgramIcon() {
    const QIcon programIcon = QApplication::windowIcon();
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        QVERIFY2(programIcon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
    const QImage reference(QStringLiteral(":/morvane/icons/morvane-32.png"));
    QList<QImage> worn;
    QTimer::singleShot(0, [&] {
        for (QWidget* form : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form2),
                              static_cast<QWidget*>(Form3)})
            worn << form->windowIcon().pixmap(32).toImage().convertToFormat(reference.format());
        Form1->close();
    });
    QCOMPARE(app::run(*toolkit::Application::instance()), 0);
    QCOMPARE(worn.size(), 3);
    for (const QImage& image : worn)
        QCOMPARE(image, reference);
}

int main(int argc, char** argv) {
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestResources test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resources.moc"
