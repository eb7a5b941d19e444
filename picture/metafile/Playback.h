#pragma once

#include "picture/metafile/GdiState.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>

namespace picture::metafile {

// Plays GDI drawing operations onto a QPainter: the state, the object table,
// paths and clipping shared by the EMF and WMF players. Coordinates come in
// logical units; the page and world transforms take them to device units and
// `deviceToTarget` to the painter. Without a painter it only measures what
// would be drawn (the bounds of a metafile that states none).
class Playback {
public:
    Playback(QPainter* painter, const QTransform& deviceToTarget, const QRectF& target);

    GdiState state;
    ObjectTable objects;

    // The transform from logical to device units (world, then page).
    QTransform logicalToDevice() const;
    void setPageScale(double unitsPerDeviceX, double unitsPerDeviceY);

    void saveDC();
    void restoreDC(int level);

    void beginPath();
    void endPath() { m_inPath = false; }
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void selectClipPath(int mode);
    // A clip region given in device units, combined by RGN_AND/OR/XOR/DIFF/COPY.
    void selectClipRegion(const QPainterPath& device, int mode);
    void intersectClip(const QRectF& logical);
    void excludeClip(const QRectF& logical);
    void resetClip();

    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polygon(const QPolygonF& points);
    void polyPolygon(const QList<QPolygonF>& polygons);
    void polyPolyline(const QList<QPolygonF>& lines);
    void polyBezier(const QPolygonF& points, bool fromCurrent);
    void rectangle(const QRectF& r);
    void roundRect(const QRectF& r, QSizeF corner);
    void ellipse(const QRectF& r);
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    void arc(const QRectF& r, QPointF start, QPointF end, ArcKind kind);
    void angleArc(QPointF centre, double radius, double start, double sweep);
    // Text at `reference` (or the current position), with optional advances
    // in logical units, an opaque box and a clipping box (logical units).
    void text(QPointF reference, const QString& text, const QList<double>& dx, bool useCurrent,
              const std::optional<QRectF>& opaque, const std::optional<QRectF>& clip = {});
    // Blits. `rop` is a ternary raster operation of source, pattern (the
    // brush) and destination; the common ones are honoured, others copy.
    static constexpr quint32 kSrcCopy = 0x00CC0020;
    void image(const QRectF& dest, const QImage& image, const QRectF& source,
               quint32 rop = kSrcCopy, double opacity = 1);
    // Gradient fills: a rectangle from two corners, colours across (mode 0)
    // or down (1); or a triangle of three shaded corners (2).
    struct Vertex {
        QPointF at;
        QColor color;
    };
    void gradient(const QList<Vertex>& corners, quint32 mode);
    // A blit without a source: the pattern, black, white or the inverse.
    void patternBlit(const QRectF& dest, quint32 rop);
    void fillRegion(const QPainterPath& logical, const QBrush& brush);
    void invertRegion(const QPainterPath& logical);

    QRectF measured() const { return m_measured; }
    // Directions of arcs: counter-clockwise unless set (EMF SetArcDirection).
    bool clockwiseArcs = false;

private:
    void draw(const QPainterPath& logicalPath, bool fill, bool stroke);
    void addToPath(const QPainterPath& logicalPath);
    void applyClip();
    void measure(const QPainterPath& logicalPath);
    QPainterPath arcPath(const QRectF& r, QPointF start, QPointF end, ArcKind kind) const;

    QPainter* m_painter;
    QTransform m_deviceToTarget;
    QRectF m_target;
    double m_pageX = 1, m_pageY = 1; // fixed page scales (metric mapping modes)
    bool m_pageFixed = false;
    std::vector<GdiState> m_saved;
    QPainterPath m_path; // device coordinates
    bool m_inPath = false;
    QRectF m_measured;
    static constexpr std::size_t kMaxSaved = 1024;
};

} // namespace picture::metafile
