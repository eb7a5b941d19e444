#include "MetafileBuilder.h"
#include "picture/Picture.h"
#include "picture/metafile/GdiState.h"
#include "picture/metafile/Metafile.h"

#include <QFile>
#include <QPainter>
#include <QtTest>

using picture::Metafile;

// The metafile player: small files built record by record, checked by the
// pixels they draw, the files it must refuse, and the public corpus.
class TestMetafile : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatIsNotAMetafile_data();
    void refusesWhatIsNotAMetafile();
    void filledRectangleUnderMappingModes_data();
    void filledRectangleUnderMappingModes();
    void dashedPen();
    void clippedEllipse();
    void bitmapRecord();
    void blitWithoutSource_data();
    void blitWithoutSource();
    void textFollowsAnisotropicMapping();
    void cjkTextRun();
    void eightBitTextByCharset_data();
    void eightBitTextByCharset();
    void cjkFacesShowWithStandIns_data();
    void cjkFacesShowWithStandIns();
    void savedStateComesBack();
    void corpus_data();
    void corpus();
};

static QImage render(const std::shared_ptr<const Metafile>& m, QSize size = QSize(450, 450)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(image.rect());
    m->play(painter, QRectF(image.rect()));
    return image;
}

static bool dark(const QImage& image, QPoint p) {
    return qGray(image.pixel(p)) < 80;
}

void TestMetafile::refusesWhatIsNotAMetafile_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("emf");
    const QByteArray emf = EmfBuilder(100, 100).record(43, {10, 10, 50, 50}).build();
    QTest::newRow("text named .wmf") << QByteArray("This is not a picture.\n") << false;
    QTest::newRow("text named .emf") << QByteArray(100, 'x') << true;
    QTest::newRow("truncated EMF header") << emf.first(60) << true;
    QByteArray signature = emf;
    signature[40] = 'X';
    QTest::newRow("EMF with a wrong signature") << signature << true;
    QByteArray pastEnd = emf;
    EmfBuilder::put(pastEnd, 0); // overwritten below
    pastEnd.chop(4);
    qToLittleEndian<quint32>(4000, pastEnd.data() + 88 + 4); // the rectangle claims 4000 bytes
    QTest::newRow("EMF record running past the end") << pastEnd << true;
    QByteArray wmf = WmfBuilder().record(0x041B, {50, 50, 10, 10}).build({0, 0, 100, 100});
    qToLittleEndian<quint32>(5000, wmf.data() + 22 + 18);
    QTest::newRow("WMF record running past the end") << wmf << false;
    QTest::newRow("truncated WMF header")
        << WmfBuilder().build({0, 0, 100, 100}).first(30) << false;
}

void TestMetafile::refusesWhatIsNotAMetafile() {
    QFETCH(QByteArray, data);
    QFETCH(bool, emf);
    try {
        Metafile::load(data, emf ? Metafile::Format::Emf : Metafile::Format::Wmf);
        QFAIL("accepted");
    } catch (const picture::PictureError& e) {
        QCOMPARE(e.message(), QStringLiteral("Metafile is not valid"));
    }
}

void TestMetafile::filledRectangleUnderMappingModes_data() {
    // Each draws a black filled rectangle that should cover device pixels
    // 20..60 of a 100 x 100 frame (target pixels 90..270).
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("emf");
    const qint32 blackBrush = 0x80000004;
    auto emf = [&](QList<QList<qint32>> setup, QList<qint32> rect) {
        EmfBuilder b(100, 100);
        b.record(37, {blackBrush});
        for (const auto& r : setup)
            b.record(quint32(r[0]), r.mid(1));
        b.record(43, rect);
        return b.build();
    };
    QTest::newRow("EMF MM_TEXT") << emf({}, {20, 20, 60, 60}) << true;
    QTest::newRow("EMF MM_ANISOTROPIC")
        << emf({{17, 8}, {9, 1000, 1000}, {11, 100, 100}}, {200, 200, 600, 600}) << true;
    QTest::newRow("EMF MM_ISOTROPIC keeps one scale")
        << emf({{17, 7}, {9, 1000, 500}, {11, 100, 100}}, {200, 200, 600, 600}) << true;
    // 0.1 mm units, y up: 96 dpi is 3.7795 pixels a millimetre.
    QTest::newRow("EMF MM_LOMETRIC") << emf({{17, 2}}, {53, -53, 159, -159}) << true;
    QTest::newRow("EMF MM_HIENGLISH") << emf({{17, 5}}, {208, -208, 625, -625}) << true;
    QTest::newRow("EMF world transform")
        << emf({{35, 0x40000000, 0, 0, 0x40000000, 0, 0}}, {10, 10, 30, 30})
        << true; // floats: 2.0 scale
    QTest::newRow("EMF window origin") << emf({{10, -10, -10}}, {10, 10, 50, 50}) << true;
    auto wmf = [](QList<QList<qint16>> setup, QList<qint16> rect, QList<qint16> bounds) {
        WmfBuilder b;
        b.record(0x02FC, {0, 0, 0, 0}); // black solid brush
        b.record(0x012D, {0});
        for (const auto& r : setup)
            b.record(quint16(r[0]), r.mid(1));
        b.record(0x041B, rect);
        return b.build(bounds);
    };
    QTest::newRow("WMF placeable") << wmf({}, {60, 60, 20, 20}, {0, 0, 100, 100}) << false;
    QTest::newRow("WMF placeable, window in other units")
        << wmf({{0x020B, 0, 0}, {0x020C, 1000, 1000}}, {600, 600, 200, 200}, {0, 0, 100, 100})
        << false;
    QTest::newRow("WMF placeable, a region selected after the brush")
        << wmf({{0x06FF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0x012D, 1}}, {60, 60, 20, 20},
               {0, 0, 100, 100})
        << false;
    QTest::newRow("WMF plain, window sets the frame")
        << wmf({{0x020B, 0, 0}, {0x020C, 100, 100}}, {60, 60, 20, 20}, {}) << false;
}

void TestMetafile::filledRectangleUnderMappingModes() {
    QFETCH(QByteArray, file);
    QFETCH(bool, emf);
    const QImage image =
        render(Metafile::load(file, emf ? Metafile::Format::Emf : Metafile::Format::Wmf));
    QVERIFY(dark(image, QPoint(180, 180)));
    QVERIFY(dark(image, QPoint(100, 100)));
    QVERIFY(dark(image, QPoint(260, 260)));
    QVERIFY(!dark(image, QPoint(70, 70)));
    QVERIFY(!dark(image, QPoint(290, 290)));
    QCOMPARE(image.pixelColor(10, 440), QColor(Qt::white)); // nothing drawn elsewhere
}

void TestMetafile::dashedPen() {
    // PS_DASH pen, a horizontal line across the frame.
    const QByteArray file = EmfBuilder(100, 100)
                                .record(38, {1, 1, 0, 0, 0}) // pen 1: dash, width 0, black
                                .record(37, {1})
                                .record(27, {0, 50})
                                .record(54, {100, 50})
                                .build();
    const QImage image = render(Metafile::load(file, Metafile::Format::Emf));
    int transitions = 0;
    bool previous = dark(image, QPoint(0, 225));
    for (int x = 1; x < 450; ++x) {
        const bool now = dark(image, QPoint(x, 225)) || dark(image, QPoint(x, 226));
        transitions += now != previous;
        previous = now;
    }
    QVERIFY2(transitions >= 6, qPrintable(QString::number(transitions)));
}

void TestMetafile::clippedEllipse() {
    const QByteArray file = EmfBuilder(100, 100)
                                .record(37, {qint32(0x80000004)})
                                .record(30, {0, 0, 50, 100}) // keep the left half
                                .record(42, {10, 10, 90, 90})
                                .build();
    const QImage image = render(Metafile::load(file, Metafile::Format::Emf));
    QVERIFY(dark(image, QPoint(150, 225)));
    QCOMPARE(image.pixelColor(300, 225), QColor(Qt::white));
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white)); // outside the ellipse
}

void TestMetafile::bitmapRecord() {
    // STRETCHDIBITS of a 2 x 2, 24-bit DIB (bottom-up: blue, white / red, green).
    QByteArray dib;
    for (quint32 v : {40u, 2u, 2u})
        EmfBuilder::put(dib, v);
    dib += QByteArray("\x01\x00\x18\x00", 4);
    dib += QByteArray(24, '\0');
    QByteArray bits;
    bits += QByteArray("\xff\x00\x00\xff\xff\xff\x00\x00", 8); // bottom row: blue, white, pad
    bits += QByteArray("\x00\x00\xff\x00\xff\x00\x00\x00", 8); // top row: red, green, pad
    const QList<qint32> fields{0,  0,  99,  99,                // bounds
                               0,  0,  0,   0,  2, 2,          // dest x, y, src x, y, cx, cy
                               80, 40, 120, 16, 0, 0x00CC0020, 100, 100};
    const QByteArray file = EmfBuilder(100, 100).record(81, fields, dib + bits).build();
    const QImage image = render(Metafile::load(file, Metafile::Format::Emf));
    const QColor topLeft = image.pixelColor(100, 100), topRight = image.pixelColor(350, 100);
    const QColor bottomLeft = image.pixelColor(100, 350);
    QVERIFY2(topLeft.red() > 200 && topLeft.green() < 60, qPrintable(topLeft.name()));
    QVERIFY2(topRight.green() > 200 && topRight.red() < 60, qPrintable(topRight.name()));
    QVERIFY2(bottomLeft.blue() > 200 && bottomLeft.red() < 60, qPrintable(bottomLeft.name()));
}

void TestMetafile::blitWithoutSource_data() {
    // A blit with no bitmap over the whole frame, a light grey brush selected:
    // what the middle of the picture becomes.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("emf");
    QTest::addColumn<QColor>("middle");
    const QColor grey(192, 192, 192);
    auto emf = [](quint32 rop) {
        QList<qint32> bitblt{0, 0, 99, 99, 0, 0, 100, 100, qint32(rop), 0, 0};
        bitblt +=
            {0x3F800000, 0, 0, 0x3F800000, 0, 0, 0, 0, 0, 0, 0, 0, 0}; // xform, colours, no DIB
        return EmfBuilder(100, 100).record(37, {qint32(0x80000001)}).record(76, bitblt).build();
    };
    QTest::newRow("EMF BITBLT leaving the destination")
        << emf(0x00AA0029) << true << QColor(Qt::white);
    QTest::newRow("EMF BITBLT PATCOPY") << emf(0x00F00021) << true << grey;
    QTest::newRow("EMF BITBLT BLACKNESS") << emf(0x00000042) << true << QColor(Qt::black);
    QTest::newRow("EMF BITBLT DSTINVERT") << emf(0x00550009) << true << QColor(Qt::black);
    auto wmf = [](quint16 function, const QList<qint16>& params) {
        return WmfBuilder()
            .record(0x02FC, {0, qint16(0xC0C0), 0xC0, 0}) // light grey solid brush
            .record(0x012D, {0})
            .record(function, params)
            .build({0, 0, 100, 100});
    };
    // Raster operations are stored low word first.
    QTest::newRow("WMF PATBLT PATCOPY")
        << wmf(0x061D, {0x0021, 0x00F0, 100, 100, 0, 0}) << false << grey;
    QTest::newRow("WMF PATBLT leaving the destination")
        << wmf(0x061D, {0x0029, 0x00AA, 100, 100, 0, 0}) << false << QColor(Qt::white);
    QTest::newRow("WMF DIBBITBLT without a bitmap, PATCOPY")
        << wmf(0x0940, {0x0021, 0x00F0, 0, 0, 0, 100, 100, 0, 0}) << false << grey;
    QTest::newRow("WMF DIBSTRETCHBLT without a bitmap, WHITENESS over black")
        << WmfBuilder()
               .record(0x02FC, {0, 0, 0, 0}) // black brush
               .record(0x012D, {0})
               .record(0x041B, {100, 100, 0, 0})
               .record(0x0B41, {0x0062, 0x00FF, 0, 10, 10, 0, 0, 50, 50, 25, 25})
               .build({0, 0, 100, 100})
        << false << QColor(Qt::white);
}

void TestMetafile::blitWithoutSource() {
    QFETCH(QByteArray, file);
    QFETCH(bool, emf);
    QFETCH(QColor, middle);
    const QImage image =
        render(Metafile::load(file, emf ? Metafile::Format::Emf : Metafile::Format::Wmf));
    QCOMPARE(image.pixelColor(225, 225), middle);
}

void TestMetafile::textFollowsAnisotropicMapping() {
    // A window ten times wider than high on a square frame: text 50 units
    // high is squeezed across like the drawing, not drawn at its natural width.
    QByteArray logfont;
    for (qint32 v : {-50, 0, 0, 0, 400})
        EmfBuilder::put(logfont, quint32(v));
    logfont += QByteArray(8, '\0');
    QByteArray face(64, '\0');
    memcpy(face.data(), u"DejaVu Sans", 22);
    logfont += face;
    const QString text = QStringLiteral("WWWW");
    const QByteArray string(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QList<qint32> fields{0, 0, 99, 99, 1, 0, 0, 0, 0, 4, 76, 0, 0, 0, 0, 0, 0};
    const QByteArray file = EmfBuilder(100, 100)
                                .record(17, {8})
                                .record(9, {1000, 100})
                                .record(11, {100, 100})
                                .record(82, {1}, logfont)
                                .record(37, {1})
                                .record(18, {1})
                                .record(84, fields, string)
                                .build();
    const QImage image = render(Metafile::load(file, Metafile::Format::Emf));
    QRect ink;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x)
            if (dark(image, QPoint(x, y)))
                ink |= QRect(x, y, 1, 1);
    // 50 units are 225 pixels down; four W about 200 units, 90 pixels across.
    QVERIFY2(ink.height() > 120, qPrintable(QString::number(ink.height())));
    QVERIFY2(ink.width() > 40 && ink.right() < 160, qPrintable(QString::number(ink.right())));
}

void TestMetafile::cjkTextRun() {
    QByteArray logfont;
    for (qint32 v : {-20, 0, 0, 0, 400})
        EmfBuilder::put(logfont, quint32(v));
    logfont += QByteArray("\x00\x00\x00\x86\x00\x00\x00\x00", 8); // charset GB2312
    QByteArray face(64, '\0');
    const QString simsun = QStringLiteral("SimSun");
    memcpy(face.data(), simsun.utf16(), simsun.size() * 2);
    logfont += face;
    const QString text = QStringLiteral("中文");
    QByteArray string(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    // EMRTEXT: reference (10, 10), 2 chars, string at 76, no options, no dx
    QList<qint32> fields{0, 0, 99, 99, 1, 0, 0, 10, 10, 2, 76, 0, 0, 0, 0, 0, 0};
    const QByteArray file = EmfBuilder(100, 100)
                                .record(82, {3}, logfont)
                                .record(37, {3})
                                .record(18, {1}) // transparent
                                .record(84, fields, string)
                                .build();
    const QImage image = render(Metafile::load(file, Metafile::Format::Emf));
    // Glyphs right and below of (10, 10): 20 units high, two characters wide.
    int ink = 0, stray = 0;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x) {
            if (!dark(image, QPoint(x, y)))
                continue;
            const bool inside = x >= 40 && x < 260 && y >= 40 && y < 200;
            (inside ? ink : stray) += 1;
        }
    QVERIFY2(ink > 300, qPrintable(QString::number(ink)));
    QCOMPARE(stray, 0);
}

void TestMetafile::eightBitTextByCharset_data() {
    QTest::addColumn<int>("charset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("SHIFTJIS_CHARSET") << 128 << QByteArray("\x93\xfa\x96\x7b") << u"日本"_qs;
    QTest::newRow("GB2312_CHARSET") << 134 << QByteArray("\xd6\xd0\xce\xc4") << u"中文"_qs;
    QTest::newRow("CHINESEBIG5_CHARSET") << 136 << QByteArray("\xa4\xa4\xa4\xe5") << u"中文"_qs;
    QTest::newRow("HANGUL_CHARSET") << 129 << QByteArray("\xc7\xd1") << u"한"_qs;
    QTest::newRow("RUSSIAN_CHARSET") << 204 << QByteArray("\xc0\xc1") << u"АБ"_qs;
    QTest::newRow("HEBREW_CHARSET") << 177 << QByteArray("\xf9") << u"ש"_qs;
    QTest::newRow("ANSI_CHARSET") << 0 << QByteArray("caf\xe9 \x80") << u"café €"_qs;
}

void TestMetafile::eightBitTextByCharset() {
    QFETCH(int, charset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(picture::metafile::decodeText(bytes, charset), text);
}

void TestMetafile::cjkFacesShowWithStandIns_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("standIn");
    QTest::newRow("宋体") << u"宋体"_qs << 0 << u"Noto Serif CJK SC"_qs;
    QTest::newRow("SimSun") << u"SimSun"_qs << 1 << u"Noto Serif CJK SC"_qs;
    QTest::newRow("MS Mincho") << u"MS Mincho"_qs << 0 << u"Noto Serif CJK JP"_qs;
    QTest::newRow("ＭＳ ゴシック") << u"ＭＳ ゴシック"_qs << 128 << u"Noto Sans CJK JP"_qs;
    QTest::newRow("MS PGothic") << u"MS PGothic"_qs << 0 << u"Noto Sans CJK JP"_qs;
    QTest::newRow("any face, SHIFTJIS_CHARSET") << u"Arial"_qs << 128 << u"Noto Sans CJK JP"_qs;
    QTest::newRow("any face, GB2312_CHARSET") << u"Arial"_qs << 134 << u"Noto Serif CJK SC"_qs;
    QTest::newRow("Malgun Gothic") << u"Malgun Gothic"_qs << 0 << u"Noto Sans CJK KR"_qs;
    QTest::newRow("Century Gothic stays") << u"Century Gothic"_qs << 0 << u"Century Gothic"_qs;
    QTest::newRow("Arial stays") << u"Arial"_qs << 0 << u"Arial"_qs;
}

void TestMetafile::cjkFacesShowWithStandIns() {
    QFETCH(QString, face);
    QFETCH(int, charset);
    QFETCH(QString, standIn);
    picture::metafile::GdiFont font;
    font.face = face;
    font.charset = charset;
    QCOMPARE(picture::metafile::faceFor(font), standIn);
}

void TestMetafile::savedStateComesBack() {
    const QByteArray file = EmfBuilder(100, 100)
                                .record(37, {qint32(0x80000004)})
                                .record(33, {})
                                .record(37, {qint32(0x80000005)}) // null brush
                                .record(34, {-1})
                                .record(43, {20, 20, 60, 60})
                                .build();
    QVERIFY(dark(render(Metafile::load(file, Metafile::Format::Emf)), QPoint(180, 180)));
}

void TestMetafile::corpus_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expect");
    QTest::addColumn<QString>("reference");
    QFile list(QStringLiteral(MORVANE_CORPUS_DIR "/expected.tsv"));
    if (!list.open(QIODevice::ReadOnly))
        QSKIP("the picture corpus is not present");
    const QStringList header =
        QString::fromUtf8(list.readLine()).trimmed().split(QLatin1Char('\t'));
    const int path = header.indexOf(u"path"), format = header.indexOf(u"format"),
              expect = header.indexOf(u"expect"), reference = header.indexOf(u"reference");
    while (!list.atEnd()) {
        const QStringList row =
            QString::fromUtf8(list.readLine()).chopped(1).split(QLatin1Char('\t'));
        if (row.size() <= reference || (row[format] != u"emf" && row[format] != u"wmf"))
            continue;
        QTest::newRow(qPrintable(row[path]))
            << row[path] << row[expect] << row[reference].section(QLatin1Char(' '), 0, 0);
    }
}

// Renderings compared as 64 x 64 greyscale (other renderers anti-alias, and
// GDI+ differs from GDI in details; the overall picture must agree).
static QImage reduced(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    return flat.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
}

static double meanDifference(const QImage& x, const QImage& y) {
    double sum = 0;
    for (int row = 0; row < 64; ++row)
        for (int col = 0; col < 64; ++col)
            sum += std::abs(int(x.constScanLine(row)[col]) - int(y.constScanLine(row)[col]));
    return sum / (64.0 * 64.0 * 255.0);
}

// How much of the reference's difference from a blank page the rendering
// accounts for: 1 is the same picture, 0 no better than drawing nothing.
// (A plain 1 - difference scores a blank page highly on mostly white
// drawings.)
static double similarity(const QImage& rendering, const QImage& reference) {
    const QImage ref = reduced(reference);
    QImage blank(64, 64, QImage::Format_Grayscale8);
    blank.fill(255);
    const double fromBlank = meanDifference(blank, ref);
    if (fromBlank <= 0)
        return 1;
    return 1.0 - meanDifference(reduced(rendering), ref) / fromBlank;
}

void TestMetafile::corpus() {
    QFETCH(QString, path);
    QFETCH(QString, expect);
    QFETCH(QString, reference);
    QFile file(QStringLiteral(MORVANE_CORPUS_DIR "/") + path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const auto format = path.endsWith(u".emf") ? Metafile::Format::Emf : Metafile::Format::Wmf;
    std::shared_ptr<const Metafile> metafile;
    QString error;
    try {
        metafile = Metafile::load(data, format);
    } catch (const picture::PictureError& e) {
        error = e.message();
    }
    if (expect == u"fails") {
        QCOMPARE(error, QStringLiteral("Metafile is not valid"));
        return;
    }
    if (expect == u"either" && !error.isEmpty()) {
        QCOMPARE(error, QStringLiteral("Metafile is not valid"));
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QImage image = render(metafile);
    if (reference.isEmpty())
        return;
    // It drew something.
    int drawn = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    QVERIFY(drawn > 50);
    const QImage expected(QStringLiteral(MORVANE_CORPUS_DIR "/") + reference);
    QVERIFY(!expected.isNull());
    const double s = similarity(image, expected);
    qInfo("%s: similarity %.3f", qPrintable(path), s);
    // The references come from GDI and GDI+ through other programs, whose
    // framing can differ (one frames a placeable WMF by what it draws rather
    // than by its bounds). A rendering that looks the same as its reference
    // but for anti-aliasing and one-pixel shifts of thin lines scores about
    // 0.7; the test charts, dense with hairlines and small text, 0.5 to 0.6.
    // A chart with a third of its panels missing scored 0.36, a blank page 0.
    QVERIFY2(s >= 0.45, qPrintable(QString::number(s)));
}

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"
