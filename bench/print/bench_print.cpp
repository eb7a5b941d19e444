// One print of the label with the background picture shown: wall time, the
// peak memory the print adds and what stays after it, at 300, 600 and 1200
// dots per inch. Prints through the default CUPS queue when there is one
// (scripts/start-cups.sh), to a PDF file otherwise.
#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/print/FormPrinter.h"
#include "toolkit/print/PrinterState.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

// A field of /proc/self/status in MiB.
double statusMiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Lets the kernel restart the peak resident size from the current one.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct Figures {
    double ms, peakMiB, afterMiB;
};

Figures measure(const std::function<void()>& print) {
    const double before = statusMiB("VmRSS:");
    resetPeak();
    QElapsedTimer clock;
    clock.start();
    print();
    const double ms = clock.nsecsElapsed() / 1e6;
    return {ms, statusMiB("VmHWM:") - before, statusMiB("VmRSS:") - before};
}

} // namespace

int main(int argc, char** argv) {
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TForm1 form;
    Form1 = &form;
    form.findChild<QAction*>(QStringLiteral("BackImageMenu"))->trigger();
    form.show();
    app.processEvents();

    const bool spooler = !QPrinterInfo::defaultPrinterName().isEmpty();
    QTemporaryDir dir;
    std::function<void(int)> printAt;
    if (spooler) {
        std::printf("printing to the CUPS queue %s\n",
                    qPrintable(QPrinterInfo::defaultPrinterName()));
        printAt = [&](int dpi) {
            toolkit::PrinterState::instance().printer().setResolution(dpi);
            toolkit::printForm(form);
        };
    } else {
        std::printf("no CUPS queue: printing to a PDF file\n");
        printAt = [&](int dpi) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("label.pdf")));
            printer.setResolution(dpi);
            QPainter painter(&printer);
            const QImage image =
                toolkit::renderClientArea(form, toolkit::renderDpi(form.size(), dpi, dpi));
            painter.drawImage(QRect(0, 0, toolkit::mulDiv(form.width(), dpi, 96),
                                    toolkit::mulDiv(form.height(), dpi, 96)),
                              image);
        };
    }
    printAt(300); // fonts, printer drivers and the like load once
    constexpr int runs = 5;
    std::printf("%6s %10s %10s %16s %16s\n", "dpi", "image", "ms", "peak added MiB",
                "kept after MiB");
    for (int dpi : {300, 600, 1200}) {
        Figures worst{0, 0, 0};
        double totalMs = 0;
        for (int i = 0; i < runs; ++i) {
            const Figures f = measure([&] { printAt(dpi); });
            totalMs += f.ms;
            worst.peakMiB = std::max(worst.peakMiB, f.peakMiB);
            worst.afterMiB = std::max(worst.afterMiB, f.afterMiB);
        }
        const double render = toolkit::renderDpi(form.size(), dpi, dpi);
        const QSize image(int(form.width() * render / 96 + 0.999),
                          int(form.height() * render / 96 + 0.999));
        std::printf("%6d %5dx%-4d %10.1f %16.1f %16.1f\n", dpi, image.width(), image.height(),
                    totalMs / runs, worst.peakMiB, worst.afterMiB);
    }
    std::printf("(mean time of %d prints; peak and kept memory: the largest of them)\n", runs);
    Form1 = nullptr;
    return 0;
}
