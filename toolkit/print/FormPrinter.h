#pragma once

#include <QImage>

class QWidget;

namespace toolkit {

// Renders a window's client area as it shows on screen (hidden elements left
// out, text columns at their scroll position), not copied from the screen, at
// `dotsPerInch` with the design at 96 pixels per inch.
QImage renderClientArea(QWidget& window, double dotsPerInch);

// Prints a window's client area on one page of the selected printer at its
// actual size: 96 design pixels to the inch, from the top-left corner of the
// printable area. The picture is rendered at the printer's resolution, at
// most 300 dots per inch.
void printForm(QWidget& window);

inline constexpr int kDesignPixelsPerInch = 96;
inline constexpr int kMaxRenderDpi = 300;

} // namespace toolkit
