#pragma once

#include <QBrush>
#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRegion>
#include <QTransform>
#include <optional>
#include <variant>
#include <vector>

namespace picture::metafile {

// A logical pen, brush or font as a metafile creates them.
struct GdiPen {
    int style = 0;    // PS_* with end cap, join and type bits
    double width = 0; // logical units; 0 is one device pixel
    QColor color = Qt::black;
};
struct GdiBrush {
    int style = 0; // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN/BS_DIBPATTERN
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;
};
struct GdiFont {
    int height = 0;     // logical units: < 0 em height, > 0 cell height
    int width = 0;      // average character width, logical units; 0 is the font's own
    int escapement = 0; // tenths of a degree
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;
};
// An object that takes a slot but changes nothing when selected (palettes,
// regions, bitmaps this player does not use).
struct GdiOther {};
using GdiObject = std::variant<std::monostate, GdiPen, GdiBrush, GdiFont, GdiOther>;

// The object table: slots created, selected and deleted by index.
class ObjectTable {
public:
    static constexpr std::size_t kMaxObjects = 65535;
    void resize(std::size_t n) { m_objects.resize(std::min(n, kMaxObjects)); }
    // WMF: the lowest free slot.
    bool addToFreeSlot(GdiObject object);
    bool set(std::size_t index, GdiObject object);
    const GdiObject* get(std::size_t index) const;
    void remove(std::size_t index);

private:
    std::vector<GdiObject> m_objects;
};

// The device context state that SaveDC/RestoreDC keep.
struct GdiState {
    int mapMode = 1; // MM_TEXT
    QPointF windowOrg{0, 0};
    QSizeF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QSizeF viewportExt{1, 1};
    QTransform world;
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = 2; // OPAQUE
    int textAlign = 0;
    int polyFillMode = 1; // ALTERNATE
    int rop2 = 13;        // R2_COPYPEN
    QPointF position;
    std::optional<QPainterPath> clip; // in device coordinates
};

// Maps a GDI pen, brush and font to Qt's.
QPen toQPen(const GdiPen& pen, double logicalToDevice);
// A monochrome pattern takes its colours from the text (0 bits) and
// background (1 bits) colours.
QBrush toQBrush(const GdiBrush& brush, QColor text = Qt::black, QColor background = Qt::white);
// A 1-bit DIB as a two-index image; null when it is not one.
QImage monoDib(QByteArrayView header, QByteArrayView bits);
// The face that shows a font's text, including CJK text through our stand-ins.
QString faceFor(const GdiFont& font);
// Decodes 8-bit text by the font's character set.
QString decodeText(QByteArrayView bytes, int charset);

} // namespace picture::metafile
