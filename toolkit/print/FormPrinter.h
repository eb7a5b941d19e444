#pragma once

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>

class QWidget;

namespace toolkit {

// Renders a window's client area as it shows on screen (hidden elements left
// out, text columns at their scroll position), not copied from the screen, at
// `dotsPerInch` with the design at 96 pixels per inch. Throws "Out of memory"
// when the image would take more than kMaxImageBytes.
QImage renderClientArea(QWidget& window, double dotsPerInch);

// The resolution to render a client area of `size` at for a printer of
// `dpiX` × `dpiY`: the printer's, at most kMaxRenderDpi, and lowered (not below
// the design's 96) until the image fits in kMaxImageBytes.
double renderDpi(QSize size, int dpiX, int dpiY);

// The margins of the printable area on a page of `layout`, in points, as
// the page is held (landscape turned). The printing system gives them for the
// sheet in portrait, and Qt passes them on without turning them.
QMarginsF printableMargins(QPageLayout layout);

// Prints a window's client area on one page of the selected printer at its
// actual size: 96 design pixels to the inch, from the top-left corner of the
// printable area. The picture is rendered at the printer's resolution, at
// most 300 dots per inch.
void printForm(QWidget& window);

inline constexpr int kDesignPixelsPerInch = 96;
inline constexpr int kMaxRenderDpi = 300;
inline constexpr qsizetype kMaxImageBytes = 24 * 1024 * 1024;

} // namespace toolkit
