#include "toolkit/FontRecord.h"

#include "toolkit/FontStandIns.h"

#include <QFontMetricsF>
#include <cmath>

namespace toolkit {

namespace {
// Design coordinates are 96 logical pixels per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
} // namespace

QFont FontRecord::toQFont() const {
    QFont font = standInFont(face);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the cell height (ascent + descent); scale the
        // em size so the cell comes out that high.
        QFont probe = font;
        probe.setPixelSize(100);
        const double cell = QFontMetricsF(probe).height();
        font.setPixelSize(std::max(1, int(std::lround(height * 100.0 / std::max(1.0, cell)))));
    } else {
        font.setPixelSize(13);
    }
    if (bold)
        font.setWeight(QFont::Bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

FontRecord FontRecord::fromQFont(const QFont& font, const QColor& color, int charset) {
    FontRecord r;
    r.face = font.family();
    if (font.pixelSize() > 0)
        r.height = -font.pixelSize();
    else
        r.height = -int(std::lround(font.pointSizeF() * kPixelsPerPoint));
    r.charset = charset;
    r.color = color;
    r.bold = font.weight() >= QFont::DemiBold;
    r.italic = font.italic();
    r.underline = font.underline();
    r.strikeOut = font.strikeOut();
    return r;
}

} // namespace toolkit
