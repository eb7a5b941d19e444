// Loading a large photograph as the background: our libjpeg decoder (DCT
// scaling to what the panel and a 300-dpi print need) against Qt's own JPEG
// reader at full size and with setScaledSize. Each variant runs in a child
// process of its own so that its peak memory can be read.
#include "../common.h"
#include "picture/PictureLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kRuns = 3;

QString makePhotograph(const QString& dir) {
    const QString path = dir + QStringLiteral("/large.jpg");
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 4000);
    sky.setColorAt(0, QColor(40, 100, 200));
    sky.setColorAt(1, QColor(60, 160, 60));
    p.fillRect(image.rect(), sky);
    for (int i = 0; i < 4000; ++i) { // detail, so the file is photograph-sized
        p.setPen(QColor::fromHsv(i * 7 % 360, 120, 200));
        p.drawLine((i * 37) % 6000, (i * 91) % 4000, (i * 53) % 6000, (i * 17) % 4000);
    }
    p.end();
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    return path;
}

// One variant, in this process: prints "milliseconds peakMiB".
int runVariant(const QString& variant, const QString& file) {
    QElapsedTimer clock;
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        clock.start();
        QSize size;
        if (variant == u"morvane") {
            size = picture::loadPictureFile(file).image().size();
        } else {
            QImageReader reader(file, "jpeg");
            QImageReader::setAllocationLimit(1024);
            if (variant == u"qt-scaled")
                reader.setScaledSize(QSize(1406, 1406));
            size = reader.read().size();
        }
        best = std::min(best, double(clock.nsecsElapsed()) / 1e6);
        if (size.isEmpty())
            return 1;
    }
    std::printf("%.1f %.1f\n", best, bench::peakMemoryMiB());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed; the child processes inherit this.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3)
        return runVariant(args[1], args[2]);

    QTemporaryDir dir;
    const QString file = makePhotograph(dir.path());
    std::printf("6000 x 4000 JPEG, %.1f MB; best of %d loads; a full frame is 91.6 MiB\n",
                QFileInfo(file).size() / 1e6, kRuns);
    struct Result {
        QString name;
        double ms = 0, mib = 0;
    };
    QList<Result> results;
    for (const QString& variant :
         {QStringLiteral("morvane"), QStringLiteral("qt-full"), QStringLiteral("qt-scaled")}) {
        QProcess child;
        child.start(app.applicationFilePath(), {variant, file});
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::fprintf(stderr, "variant %s failed: %s\n", qPrintable(variant),
                         child.readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
        results.append({variant, out.value(0).toDouble(), out.value(1).toDouble()});
    }
    std::printf("%-10s %10s %12s %14s %14s\n", "variant", "time ms", "peak MiB", "time ratio",
                "memory ratio");
    for (const Result& r : results)
        std::printf("%-10s %10.1f %12.1f %13.2fx %13.2fx\n", qPrintable(r.name), r.ms, r.mib,
                    r.ms / results[0].ms, r.mib / results[0].mib);
    return 0;
}
