#include "picture/JpegDecoder.h"
#include "picture/PictureLoader.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

// The picture loader: the extension rule, the messages of damaged files, and
// how each kind of picture draws.
class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void extensionRule_data();
    void extensionRule();
    void fileTypeList();
    void damagedFiles_data();
    void damagedFiles();
    void truncatedJpegLoadsWithDeferredError();
    void largeJpegIsDecodedScaledDown();
    void cmykJpegLooksRight();
    void rasterStretchesIconKeepsItsSize();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QByteArray jpeg(QSize size, QColor colour, int quality = 90);
    QTemporaryDir m_dir;
};

void TestPictureLoader::initTestCase() {
    QVERIFY(m_dir.isValid());
}

QString TestPictureLoader::write(const QString& name, const QByteArray& bytes) {
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}

QByteArray TestPictureLoader::jpeg(QSize size, QColor colour, int quality) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    // Some structure, so the entropy-coded data is not trivially short.
    QPainter p(&image);
    for (int i = 0; i < size.width(); i += 16)
        p.fillRect(i, 0, 8, size.height(), colour.darker(130));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

void TestPictureLoader::extensionRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("outcome"); // raster, empty, or the message
    const QByteArray good = jpeg(QSize(30, 20), Qt::red);
    QTest::newRow("x.jpg") << write("x.jpg", good) << "raster";
    QTest::newRow("X.JPG capitals") << write("X.JPG", good) << "raster";
    QTest::newRow("x.jpeg") << write("x.jpeg", good) << "raster";
    QTest::newRow("a.b/c folder dot does not count") << write("a.b/c", good) << "empty";
    QTest::newRow("c. trailing dot") << write("c.", good) << "empty";
    QTest::newRow("c no extension") << write("c", good) << "empty";
    QTest::newRow("no extension, file missing") << m_dir.filePath("missing") << "empty";
    QTest::newRow("dir.jpg/c.gif")
        << write("dir.jpg/c.gif", good) << "Unknown picture file extension (.gif)";
    QTest::newRow("c.gif") << write("c.gif", good) << "Unknown picture file extension (.gif)";
    QTest::newRow("extension as typed")
        << write("c.GiF", good) << "Unknown picture file extension (.GiF)";
    const QString missing = m_dir.filePath("nowhere/missing.jpg");
    QTest::newRow("missing file") << missing << QStringLiteral("Cannot open file %1").arg(missing);
}

void TestPictureLoader::extensionRule() {
    QFETCH(QString, name);
    QFETCH(QString, outcome);
    try {
        const picture::Picture p = picture::loadPictureFile(name);
        QCOMPARE(p.isEmpty() ? QStringLiteral("empty") : QStringLiteral("raster"), outcome);
        if (!p.isEmpty())
            QCOMPARE(p.size(), QSize(30, 20));
    } catch (const picture::PictureError& e) {
        QCOMPARE(e.message(), outcome);
    }
}

void TestPictureLoader::fileTypeList() {
    QCOMPARE(picture::pictureFileFilters(),
             (QStringList{"All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)", "JPEG Image File (*.jpg)",
                          "JPEG Image File (*.jpeg)", "Bitmaps (*.bmp)", "Icons (*.ico)",
                          "Enhanced Metafiles (*.emf)", "Metafiles (*.wmf)"}));
}

void TestPictureLoader::damagedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QByteArray header = jpeg(QSize(40, 40), Qt::blue);
    header.replace(QByteArray("\xFF\xC0", 2), QByteArray("\xFF\xC3", 2)); // lossless frame
    QTest::newRow("corrupt JPEG header") << "h.jpg" << header << "JPEG error #60";
    QTest::newRow("empty JPEG") << "e.jpg" << QByteArray() << "JPEG error #42";
    QTest::newRow("text named .jpg") << "t.jpg" << QByteArray("hello, world") << "JPEG error #53";
    QByteArray bmp("BM");
    bmp += QByteArray(12, '\0') + QByteArray("\x42\0\0\0", 4) + QByteArray(62, '\x01');
    QTest::newRow("bogus bitmap header") << "b.bmp" << bmp << "Bitmap image is not valid";
    QTest::newRow("text named .bmp")
        << "t.bmp" << QByteArray("not a bitmap") << "Bitmap image is not valid";
    QByteArray ico("\0\0\1\0\1\0", 6);
    ico += QByteArray("\x20\x20\0\0\1\0\x20\0\xff\xff\0\0\x16\0\0\0", 16);
    QTest::newRow("bogus icon entry") << "i.ico" << ico << "Icon image is not valid";
    QTest::newRow("text named .ico") << "t.ico" << QByteArray("abc") << "Icon image is not valid";
    QTest::newRow("text named .wmf")
        << "t.wmf" << QByteArray("just text") << "Metafile is not valid";
}

void TestPictureLoader::damagedFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = write(name, bytes);
    try {
        picture::loadPictureFile(path);
        QFAIL("loaded a damaged file");
    } catch (const picture::PictureError& e) {
        QCOMPARE(e.message(), message);
    }
}

void TestPictureLoader::truncatedJpegLoadsWithDeferredError() {
    const QByteArray whole = jpeg(QSize(200, 200), QColor(20, 160, 40));
    const picture::Picture p = picture::decodeJpeg(whole.first(whole.size() * 2 / 3));
    QCOMPARE(p.kind(), picture::Picture::Kind::Raster);
    QCOMPARE(p.size(), QSize(200, 200));
    // The top was decoded.
    QVERIFY(qGreen(p.image().pixel(4, 2)) > 100);
    QCOMPARE(p.takeDeferredError(), std::optional<QString>(QStringLiteral("JPEG error #120")));
    QCOMPARE(p.takeDeferredError(), std::nullopt); // reported once
    QCOMPARE(picture::decodeJpeg(whole).takeDeferredError(), std::nullopt);
}

void TestPictureLoader::largeJpegIsDecodedScaledDown() {
    const picture::Picture p = picture::decodeJpeg(jpeg(QSize(4000, 3000), Qt::yellow, 70));
    QCOMPARE(p.size(), QSize(4000, 3000)); // the file's own size
    QCOMPARE(p.image().size(), QSize(1406, 1406));
    const picture::Picture small = picture::decodeJpeg(jpeg(QSize(300, 200), Qt::yellow));
    QCOMPARE(small.image().size(), QSize(300, 200));
}

// A CMYK JPEG as Adobe applications write it: ink values stored inverted,
// with an Adobe marker.
static QByteArray adobeCmykJpeg(int c, int m, int y, int k) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = 16;
    cinfo.image_height = 16;
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < 16; ++x)
        row.insert(row.end(),
                   {JSAMPLE(255 - c), JSAMPLE(255 - m), JSAMPLE(255 - y), JSAMPLE(255 - k)});
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    free(out);
    return bytes;
}

void TestPictureLoader::cmykJpegLooksRight() {
    const picture::Picture red = picture::decodeJpeg(adobeCmykJpeg(0, 255, 255, 0));
    QColor c = red.image().pixelColor(8, 8);
    QVERIFY2(c.red() > 220 && c.green() < 40 && c.blue() < 40, qPrintable(c.name()));
    const picture::Picture grey = picture::decodeJpeg(adobeCmykJpeg(0, 0, 0, 128));
    c = grey.image().pixelColor(8, 8);
    QVERIFY2(std::abs(c.red() - 127) < 8 && std::abs(c.blue() - 127) < 8, qPrintable(c.name()));
}

void TestPictureLoader::rasterStretchesIconKeepsItsSize() {
    const picture::Picture raster = picture::decodeJpeg(jpeg(QSize(300, 200), Qt::red));
    QImage canvas(450, 450, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    raster.draw(p, canvas.rect());
    p.end();
    for (QPoint at : {QPoint(0, 0), QPoint(449, 449), QPoint(449, 0), QPoint(0, 449)})
        QVERIFY(canvas.pixelColor(at) != QColor(Qt::white));

    QImage iconImage(32, 32, QImage::Format_ARGB32);
    iconImage.fill(Qt::blue);
    const picture::Picture icon = picture::Picture::fromIcon(iconImage);
    canvas.fill(Qt::white);
    QPainter q(&canvas);
    icon.draw(q, canvas.rect());
    q.end();
    QCOMPARE(canvas.pixelColor(31, 31), QColor(Qt::blue));
    QCOMPARE(canvas.pixelColor(32, 32), QColor(Qt::white));
    QCOMPARE(canvas.pixelColor(0, 32), QColor(Qt::white));
}

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
