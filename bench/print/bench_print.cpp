// One print of the label: time and the memory it takes, to a PDF printer
// (no spooler needed) at 300, 600 and 1200 dots per inch.
#include "../common.h"
#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "toolkit/Application.h"
#include "toolkit/print/FormPrinter.h"
#include "toolkit/print/PrinterState.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TForm1 form;
    Form1 = &form;
    form.findChild<QAction*>(QStringLiteral("BackImageMenu"))->trigger();
    QTemporaryDir dir;
    const double before = bench::peakMemoryMiB();
    std::printf("peak memory before printing: %.1f MiB\n", before);
    std::printf("%6s %10s %12s %14s %10s\n", "dpi", "render ms", "print ms", "image MiB", "PDF KB");
    for (int dpi : {300, 600, 1200}) {
        QElapsedTimer clock;
        clock.start();
        const QImage image = toolkit::renderClientArea(form, std::min(dpi, toolkit::kMaxRenderDpi));
        const double renderMs = clock.nsecsElapsed() / 1e6;

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString out = dir.filePath(QStringLiteral("label-%1.pdf").arg(dpi));
        printer.setOutputFileName(out);
        printer.setResolution(dpi);
        clock.start();
        QPainter painter(&printer);
        painter.drawImage(QRect(0, 0, toolkit::mulDiv(form.width(), dpi, 96),
                                toolkit::mulDiv(form.height(), dpi, 96)),
                          image);
        painter.end();
        std::printf("%6d %10.1f %12.1f %14.1f %10.1f\n", dpi, renderMs, clock.nsecsElapsed() / 1e6,
                    image.sizeInBytes() / 1048576.0, QFileInfo(out).size() / 1024.0);
    }
    std::printf("peak memory after printing: %.1f MiB (growth %.1f MiB)\n", bench::peakMemoryMiB(),
                bench::peakMemoryMiB() - before);
    Form1 = nullptr;
    return 0;
}
