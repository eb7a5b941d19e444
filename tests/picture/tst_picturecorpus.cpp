#include "picture/PictureLoader.h"

#include <QFile>
#include <QPainter>
#include <QtTest>

// The public picture corpus: every sample gives the outcome its list says,
// and bitmaps match their reference pictures.
class TestPictureCorpus : public QObject {
    Q_OBJECT
private slots:
    void corpus_data();
    void corpus();
};

static QString corpusDir() {
    return QStringLiteral(MORVANE_CORPUS_DIR);
}

void TestPictureCorpus::corpus_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expect");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("notes");
    QFile list(corpusDir() + QStringLiteral("/expected.tsv"));
    if (!list.open(QIODevice::ReadOnly))
        QSKIP("the picture corpus is not present");
    const QStringList header =
        QString::fromUtf8(list.readLine()).trimmed().split(QLatin1Char('\t'));
    const int path = header.indexOf(u"path"), format = header.indexOf(u"format"),
              expect = header.indexOf(u"expect"), message = header.indexOf(u"message"),
              reference = header.indexOf(u"reference"), notes = header.indexOf(u"notes");
    while (!list.atEnd()) {
        const QStringList row =
            QString::fromUtf8(list.readLine()).chopped(1).split(QLatin1Char('\t'));
        if (row.size() <= reference)
            continue;
        const QString f = row[format];
        if (f != u"bmp" && f != u"ico" && f != u"jpg")
            continue; // metafiles have their own test
        QTest::newRow(qPrintable(row[path]))
            << row[path] << row[expect] << row[message]
            << row[reference].section(QLatin1Char(' '), 0, 0) << row[notes];
    }
}

// Mean absolute difference per channel, 0..255 (of the grey values only
// with `grey`).
static double difference(const QImage& a, const QImage& b, bool grey) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            // Compare over white, as the panel shows transparent pixels.
            auto flat = [](QRgb c) {
                const int a = qAlpha(c);
                return std::array<int, 3>{(qRed(c) * a + 255 * (255 - a)) / 255,
                                          (qGreen(c) * a + 255 * (255 - a)) / 255,
                                          (qBlue(c) * a + 255 * (255 - a)) / 255};
            };
            auto p = flat(x.pixel(col, row)), q = flat(y.pixel(col, row));
            if (grey) {
                const int pg = (p[0] * 11 + p[1] * 16 + p[2] * 5) / 32;
                const int qg = (q[0] * 11 + q[1] * 16 + q[2] * 5) / 32;
                p = {pg, pg, pg};
                q = {qg, qg, qg};
            }
            for (int i = 0; i < 3; ++i)
                sum += std::abs(p[i] - q[i]);
        }
    return sum / (3.0 * x.width() * x.height());
}

static bool hasTransparency(const QImage& image) {
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 255)
                return true;
    return false;
}

void TestPictureCorpus::corpus() {
    QFETCH(QString, path);
    QFETCH(QString, expect);
    QFETCH(QString, message);
    QFETCH(QString, reference);
    QFETCH(QString, notes);
    const QString file = corpusDir() + QLatin1Char('/') + path;

    picture::Picture loaded;
    QString error;
    try {
        loaded = picture::loadPictureFile(file);
    } catch (const picture::PictureError& e) {
        error = e.message();
    }

    if (expect == u"fails") {
        QCOMPARE(error, message);
        return;
    }
    if (expect == u"either") {
        if (!error.isEmpty())
            QCOMPARE(error, message);
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!loaded.isEmpty());
    // Drawing works, and a damaged JPEG reports its message once.
    QImage canvas(450, 450, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    loaded.draw(painter, canvas.rect());
    painter.end();
    const auto deferred = loaded.takeDeferredError();
    if (notes.contains(u"bound the memory")) {
        // A header that declares gigapixels: our decoder gives up at its
        // memory bound, which may come before the data error libjpeg would
        // otherwise reach.
        QVERIFY(deferred.value_or(QString()).startsWith(u"JPEG error #"));
    } else if (expect == u"deferred" || expect == u"fails-in-data") {
        QCOMPARE(deferred.value_or(QString()), message);
    } else
        QCOMPARE(deferred, std::nullopt);

    if (expect != u"loads" || reference.isEmpty() || !reference.endsWith(u".png"))
        return;
    const QImage expected(corpusDir() + QLatin1Char('/') + reference);
    QVERIFY(!expected.isNull());
    const QImage& image = loaded.image();
    if (image.size() != expected.size())
        return; // references of other entries or other scales are not comparable
    if (hasTransparency(expected))
        return; // we draw bitmaps opaque; a reference with transparency differs by design
    // Under 4 pixels a side the edge handling of chroma upsampling decides everything.
    if (image.width() < 4 || image.height() < 4)
        return;
    // Bitmaps decode nearly exactly (16-bit colours may round differently).
    // JPEG references come from other decoders, some only approximate (one is
    // greyscale), so JPEGs are compared by their grey values.
    const bool isJpeg = path.endsWith(u".jpg") || path.endsWith(u".jpeg");
    const double limit = isJpeg ? 10.0 : 4.0;
    const double d = difference(image, expected, isJpeg);
    QVERIFY2(d <= limit, qPrintable(QStringLiteral("mean difference %1").arg(d)));
}

QTEST_MAIN(TestPictureCorpus)
#include "tst_picturecorpus.moc"
