#include "toolkit/print/FormPrinter.h"

#include "toolkit/Error.h"
#include "toolkit/print/PrinterState.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace toolkit {

QImage renderClientArea(QWidget& window, double dotsPerInch) {
    const double ratio = dotsPerInch / kDesignPixelsPerInch;
    QImage image(int(std::ceil(window.width() * ratio)), int(std::ceil(window.height() * ratio)),
                 QImage::Format_RGB32);
    if (image.isNull())
        throw Error(QStringLiteral("Out of memory"));
    image.setDevicePixelRatio(ratio);
    image.fill(window.palette().color(window.backgroundRole()));
    window.render(&image, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

namespace {

// Ends the job exactly once, whatever happens after it started.
class Job {
public:
    Job(QPainter& painter, PrinterState& state)
        : m_painter(painter)
        , m_state(state) {
        m_state.setPrinting(true);
    }
    ~Job() {
        m_painter.end();
        m_state.setPrinting(false);
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

private:
    QPainter& m_painter;
    PrinterState& m_state;
};

} // namespace

void printForm(QWidget& window) {
    PrinterState& state = PrinterState::instance();
    if (state.printing())
        throw Error(QStringLiteral("Printing in progress"));
    QPrinter& printer = state.printer();
    if (QPrinterInfo::printerInfo(printer.printerName()).isNull())
        throw Error(QStringLiteral("Printer selected is not valid"));

    // Draw from the corner of the printable area: the printer's own margins,
    // none of ours.
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    printer.setFullPage(false);
    printer.setDocName(QString());

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Printer selected is not valid"));
    Job job(painter, state);

    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const QRect target(0, 0, mulDiv(window.width(), dpiX, kDesignPixelsPerInch),
                       mulDiv(window.height(), dpiY, kDesignPixelsPerInch));
    const QImage image = renderClientArea(window, std::min({dpiX, dpiY, kMaxRenderDpi}));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

} // namespace toolkit
