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

namespace {

QSize imageSize(QSize size, double dotsPerInch) {
    const double ratio = dotsPerInch / kDesignPixelsPerInch;
    return QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
}

bool fits(QSize size) {
    return qsizetype(size.width()) * size.height() * 4 <= kMaxImageBytes;
}

} // namespace

QMarginsF printableMargins(QPageLayout layout) {
    layout.setUnits(QPageLayout::Point);
    const QMarginsF sheet = layout.minimumMargins();
    if (layout.orientation() == QPageLayout::Portrait)
        return sheet;
    // A landscape page lies on the sheet turned a quarter to the left: its
    // left edge is the sheet's bottom edge and its top edge the sheet's left.
    return QMarginsF(sheet.bottom(), sheet.left(), sheet.top(), sheet.right());
}

double renderDpi(QSize size, int dpiX, int dpiY) {
    const double best = std::min({dpiX, dpiY, kMaxRenderDpi});
    if (fits(imageSize(size, best)))
        return best;
    const double area = std::max<double>(1, double(size.width()) * size.height());
    const double scaled = kDesignPixelsPerInch * std::sqrt(kMaxImageBytes / 4.0 / area);
    return std::max<double>(kDesignPixelsPerInch, std::floor(scaled));
}

QImage renderClientArea(QWidget& window, double dotsPerInch) {
    const double ratio = dotsPerInch / kDesignPixelsPerInch;
    const QSize size = imageSize(window.size(), dotsPerInch);
    if (!fits(size))
        throw Error(QStringLiteral("Out of memory"));
    QImage image(size, QImage::Format_RGB32);
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

    // Draw from the corner of the printable area (the printer's own margins,
    // none of ours), on the whole page.
    const QMarginsF margins = printableMargins(printer.pageLayout());
    printer.setFullPage(true);
    printer.setDocName(QString());

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Printer selected is not valid"));
    Job job(painter, state);

    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const QRect target(qRound(margins.left() * dpiX / 72), qRound(margins.top() * dpiY / 72),
                       mulDiv(window.width(), dpiX, kDesignPixelsPerInch),
                       mulDiv(window.height(), dpiY, kDesignPixelsPerInch));
    const QImage image = renderClientArea(window, renderDpi(window.size(), dpiX, dpiY));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

} // namespace toolkit
