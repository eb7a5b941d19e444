// Loading and playing the corpus metafiles at the panel's 450 x 450: the
// time of each, against a 60 Hz frame (16.7 ms).
// Usage: bench_metafile [corpus folder] [--dump folder]; --dump also writes
// each rendering as a PNG for looking at.
#include "picture/Picture.h"
#include "picture/metafile/Metafile.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString dump;
    if (const qsizetype at = args.indexOf(QStringLiteral("--dump"));
        at >= 0 && at + 1 < args.size()) {
        dump = args[at + 1];
        args.remove(at, 2);
        QDir().mkpath(dump);
    }
    const QString root = args.isEmpty() ? QStringLiteral(MORVANE_CORPUS_DIR) : args.first();
    QStringList files;
    for (const char* kind : {"emf", "wmf"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(kind),
                        {QStringLiteral("*.emf"), QStringLiteral("*.wmf")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    if (files.isEmpty()) {
        std::printf("no metafiles under %s\n", qPrintable(root));
        return 0;
    }
    QImage canvas(450, 450, QImage::Format_RGB32);
    std::printf("%-55s %10s %10s\n", "file", "load ms", "play ms");
    QList<double> plays;
    for (const QString& path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = f.readAll();
        const auto format = path.endsWith(u".emf") ? picture::Metafile::Format::Emf
                                                   : picture::Metafile::Format::Wmf;
        QElapsedTimer clock;
        clock.start();
        std::shared_ptr<const picture::Metafile> m;
        try {
            m = picture::Metafile::load(data, format);
        } catch (const picture::PictureError&) {
            continue;
        }
        const double load = clock.nsecsElapsed() / 1e6;
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            canvas.fill(Qt::white);
            QPainter painter(&canvas);
            clock.start();
            m->play(painter, QRectF(canvas.rect()));
            painter.end();
            best = std::min(best, clock.nsecsElapsed() / 1e6);
        }
        plays << best;
        if (!dump.isEmpty())
            canvas.save(dump + QLatin1Char('/') +
                        path.mid(root.size() + 1).replace(QLatin1Char('/'), QLatin1Char('_')) +
                        QStringLiteral(".png"));
        std::printf("%-55s %10.2f %10.2f\n", qPrintable(path.mid(root.size() + 1)), load, best);
    }
    std::sort(plays.begin(), plays.end());
    std::printf("played %lld files: median %.2f ms, slowest %.2f ms (a frame is 16.7 ms)\n",
                qlonglong(plays.size()), plays[plays.size() / 2], plays.back());
    return 0;
}
