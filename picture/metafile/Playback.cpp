#include "picture/metafile/Playback.h"

#include <QFontMetricsF>
#include <cmath>
#include <numbers>

namespace picture::metafile {

namespace {

const QRectF kEverywhere(-1e7, -1e7, 2e7, 2e7);

double angleOf(QPointF centre, QPointF p) {
    // Degrees counter-clockwise as seen on the page (y grows downward).
    return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180.0 / std::numbers::pi;
}

} // namespace

Playback::Playback(QPainter* painter, const QTransform& deviceToTarget, const QRectF& target)
    : m_painter(painter)
    , m_deviceToTarget(deviceToTarget)
    , m_target(target) {
    if (m_painter)
        applyClip();
}

void Playback::setPageScale(double unitsPerDeviceX, double unitsPerDeviceY) {
    m_pageX = unitsPerDeviceX;
    m_pageY = unitsPerDeviceY;
    m_pageFixed = true;
}

QTransform Playback::logicalToDevice() const {
    double sx = 1, sy = 1;
    const GdiState& s = state;
    if (s.mapMode >= 2 && s.mapMode <= 6 && m_pageFixed) {
        sx = m_pageX;
        sy = m_pageY;
    } else if (s.mapMode == 7 || s.mapMode == 8) {
        const double wx = s.windowExt.width() ? s.windowExt.width() : 1;
        const double wy = s.windowExt.height() ? s.windowExt.height() : 1;
        sx = s.viewportExt.width() / wx;
        sy = s.viewportExt.height() / wy;
        if (s.mapMode == 7) { // isotropic: the same scale on both axes
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    }
    if (!std::isfinite(sx) || !std::isfinite(sy) || sx == 0 || sy == 0)
        sx = sy = 1;
    return s.world * QTransform::fromTranslate(-s.windowOrg.x(), -s.windowOrg.y()) *
           QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(s.viewportOrg.x(), s.viewportOrg.y());
}

void Playback::saveDC() {
    if (m_saved.size() < kMaxSaved)
        m_saved.push_back(state);
}

void Playback::restoreDC(int level) {
    // Negative: relative to the current level; positive: an absolute level.
    std::size_t keep;
    if (level < 0) {
        if (std::size_t(-level) > m_saved.size())
            return;
        keep = m_saved.size() - std::size_t(-level);
    } else {
        if (level == 0 || std::size_t(level) > m_saved.size())
            return;
        keep = std::size_t(level) - 1;
    }
    state = m_saved[keep];
    m_saved.resize(keep);
    applyClip();
}

void Playback::beginPath() {
    m_path = QPainterPath();
    m_inPath = true;
}

void Playback::abortPath() {
    m_path = QPainterPath();
    m_inPath = false;
}

void Playback::closeFigure() {
    if (m_inPath)
        m_path.closeSubpath();
}

void Playback::fillPath() {
    const QPainterPath logical = logicalToDevice().inverted().map(m_path);
    m_path = QPainterPath();
    m_inPath = false;
    draw(logical, true, false);
}

void Playback::strokePath() {
    const QPainterPath logical = logicalToDevice().inverted().map(m_path);
    m_path = QPainterPath();
    m_inPath = false;
    draw(logical, false, true);
}

void Playback::strokeAndFillPath() {
    const QPainterPath logical = logicalToDevice().inverted().map(m_path);
    m_path = QPainterPath();
    m_inPath = false;
    draw(logical, true, true);
}

void Playback::selectClipPath(int mode) {
    QPainterPath current;
    current.addRect(kEverywhere);
    if (state.clip)
        current = *state.clip;
    switch (mode) {
    case 1:
        state.clip = current.intersected(m_path);
        break; // RGN_AND
    case 2:
        state.clip = current.united(m_path);
        break; // RGN_OR
    case 3:
        state.clip = current.united(m_path).subtracted(current.intersected(m_path));
        break;
    case 4:
        state.clip = current.subtracted(m_path);
        break; // RGN_DIFF
    default:
        state.clip = m_path;
        break; // RGN_COPY
    }
    m_path = QPainterPath();
    m_inPath = false;
    applyClip();
}

void Playback::selectClipRegion(const QPainterPath& device, int mode) {
    m_path = device;
    selectClipPath(mode);
}

void Playback::intersectClip(const QRectF& logical) {
    QPainterPath rect;
    rect.addPolygon(logicalToDevice().map(QPolygonF(logical.normalized())));
    QPainterPath current;
    current.addRect(kEverywhere);
    state.clip = (state.clip ? *state.clip : current).intersected(rect);
    applyClip();
}

void Playback::excludeClip(const QRectF& logical) {
    QPainterPath rect;
    rect.addPolygon(logicalToDevice().map(QPolygonF(logical.normalized())));
    QPainterPath current;
    current.addRect(kEverywhere);
    state.clip = (state.clip ? *state.clip : current).subtracted(rect);
    applyClip();
}

void Playback::resetClip() {
    state.clip.reset();
    applyClip();
}

void Playback::applyClip() {
    if (!m_painter)
        return;
    m_painter->setTransform(QTransform());
    m_painter->setClipRect(m_target);
    if (state.clip)
        m_painter->setClipPath(m_deviceToTarget.map(*state.clip), Qt::IntersectClip);
}

void Playback::measure(const QPainterPath& logicalPath) {
    const QRectF r = logicalToDevice().map(logicalPath).boundingRect();
    if (r.isNull() && r.topLeft().isNull())
        return;
    m_measured = m_measured.isNull() ? r : m_measured.united(r);
}

void Playback::addToPath(const QPainterPath& logicalPath) {
    m_path.addPath(logicalToDevice().map(logicalPath));
}

void Playback::draw(const QPainterPath& logicalPath, bool fill, bool stroke) {
    if (m_inPath) {
        addToPath(logicalPath);
        return;
    }
    if (!m_painter) {
        measure(logicalPath);
        return;
    }
    if (state.rop2 == 11) // R2_NOP
        return;
    QPainterPath path = logicalPath;
    path.setFillRule(state.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
    const QTransform full = logicalToDevice() * m_deviceToTarget;
    m_painter->setTransform(full);
    QPen pen =
        stroke ? toQPen(state.pen, std::sqrt(std::abs(full.determinant()))) : QPen(Qt::NoPen);
    QBrush brush =
        fill ? toQBrush(state.brush, state.textColor, state.bkColor) : QBrush(Qt::NoBrush);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    switch (state.rop2) {
    case 1: // R2_BLACK
        pen.setColor(Qt::black);
        if (brush.style() != Qt::NoBrush)
            brush.setColor(Qt::black);
        break;
    case 16: // R2_WHITE
        pen.setColor(Qt::white);
        if (brush.style() != Qt::NoBrush)
            brush.setColor(Qt::white);
        break;
    case 4: { // R2_NOTCOPYPEN
        const QColor c = pen.color();
        pen.setColor(QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
        break;
    }
    case 6: // R2_NOT
        m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case 7: // R2_XORPEN
        m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    default:
        break;
    }
    m_painter->setPen(pen);
    m_painter->setBrush(brush);
    m_painter->setBackgroundMode(state.bkMode == 2 ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter->setBackground(state.bkColor);
    m_painter->drawPath(path);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Playback::moveTo(QPointF p) {
    state.position = p;
    if (m_inPath)
        m_path.moveTo(logicalToDevice().map(p));
}

void Playback::lineTo(QPointF p) {
    if (m_inPath) {
        if (m_path.elementCount() == 0)
            m_path.moveTo(logicalToDevice().map(state.position));
        m_path.lineTo(logicalToDevice().map(p));
    } else {
        QPainterPath line(state.position);
        line.lineTo(p);
        draw(line, false, true);
    }
    state.position = p;
}

void Playback::polyline(const QPolygonF& points) {
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    draw(path, false, true);
}

void Playback::polylineTo(const QPolygonF& points) {
    for (QPointF p : points)
        lineTo(p);
}

void Playback::polygon(const QPolygonF& points) {
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    draw(path, true, true);
}

void Playback::polyPolygon(const QList<QPolygonF>& polygons) {
    QPainterPath path;
    for (const QPolygonF& p : polygons) {
        if (p.size() < 2)
            continue;
        path.addPolygon(p);
        path.closeSubpath();
    }
    draw(path, true, true);
}

void Playback::polyPolyline(const QList<QPolygonF>& lines) {
    QPainterPath path;
    for (const QPolygonF& p : lines)
        if (p.size() >= 2)
            path.addPolygon(p);
    draw(path, false, true);
}

void Playback::polyBezier(const QPolygonF& points, bool fromCurrent) {
    QPainterPath path;
    qsizetype i = 0;
    if (fromCurrent) {
        path.moveTo(state.position);
    } else {
        if (points.isEmpty())
            return;
        path.moveTo(points[0]);
        i = 1;
    }
    for (; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (fromCurrent && !points.isEmpty())
        state.position = path.currentPosition();
    if (m_inPath && fromCurrent) {
        // continue the figure being built
        QPainterPath device = logicalToDevice().map(path);
        if (m_path.elementCount() == 0)
            m_path.moveTo(device.elementAt(0));
        for (int e = 1; e < device.elementCount(); e += 3)
            if (e + 2 < device.elementCount())
                m_path.cubicTo(device.elementAt(e), device.elementAt(e + 1),
                               device.elementAt(e + 2));
        return;
    }
    draw(path, false, true);
}

void Playback::rectangle(const QRectF& r) {
    QPainterPath path;
    path.addRect(r.normalized());
    draw(path, true, true);
}

void Playback::roundRect(const QRectF& r, QSizeF corner) {
    QPainterPath path;
    path.addRoundedRect(r.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    draw(path, true, true);
}

void Playback::ellipse(const QRectF& r) {
    QPainterPath path;
    path.addEllipse(r.normalized());
    draw(path, true, true);
}

QPainterPath Playback::arcPath(const QRectF& box, QPointF start, QPointF end, ArcKind kind) const {
    const QRectF r = box.normalized();
    const QPointF c = r.center();
    const double a0 = angleOf(c, start);
    double sweep = angleOf(c, end) - a0;
    if (clockwiseArcs) {
        if (sweep >= 0)
            sweep -= 360;
    } else if (sweep <= 0) {
        sweep += 360;
    }
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(c);
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, a0);
        if (kind == ArcKind::ArcTo) {
            const QPointF arcStart = path.currentPosition();
            path = QPainterPath(state.position);
            path.lineTo(arcStart);
        }
        path.arcTo(r, a0, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    return path;
}

void Playback::arc(const QRectF& r, QPointF start, QPointF end, ArcKind kind) {
    const QPainterPath path = arcPath(r, start, end, kind);
    const bool closed = kind == ArcKind::Chord || kind == ArcKind::Pie;
    draw(path, closed, true);
    if (kind == ArcKind::ArcTo)
        state.position = path.currentPosition();
}

void Playback::angleArc(QPointF centre, double radius, double start, double sweep) {
    const QRectF r(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(state.position);
    QPainterPath arcStart;
    arcStart.arcMoveTo(r, start);
    path.lineTo(arcStart.currentPosition());
    path.arcTo(r, start, sweep);
    draw(path, false, true);
    state.position = path.currentPosition();
}

void Playback::text(QPointF reference, const QString& text, const QList<double>& dx,
                    bool useCurrent, const std::optional<QRectF>& opaque,
                    const std::optional<QRectF>& clip) {
    const QPointF at = useCurrent || (state.textAlign & 1) ? state.position : reference;
    const GdiFont& f = state.font;
    const QTransform full = logicalToDevice() * m_deviceToTarget;
    // Glyphs are laid out in a space whose origin is the reference point,
    // whose x runs along the logical x axis and whose y runs down the page,
    // so that text follows the mapping (stretched where it is anisotropic)
    // and stays upright when the logical y axis points up.
    const QPointF o = full.map(at);
    const QPointF ex = full.map(at + QPointF(1, 0)) - o;
    QPointF ey = full.map(at + QPointF(0, 1)) - o;
    const double k = std::hypot(ey.x(), ey.y()); // target pixels a logical unit, vertically
    if (!(k > 1e-9) || !std::isfinite(k) || !std::isfinite(std::hypot(ex.x(), ex.y())))
        return;
    if (ex.x() * ey.y() - ex.y() * ey.x() < 0)
        ey = -ey;

    QFont font(faceFor(f));
    // Height: negative is the em height, positive the cell (ascent plus
    // descent), zero a default.
    double em = 12 * std::sqrt(std::abs(m_deviceToTarget.determinant())) / k;
    if (f.height < 0) {
        em = -double(f.height);
    } else if (f.height > 0) {
        font.setPixelSize(100);
        const QFontMetricsF probe(font);
        em = f.height * 100.0 / std::max(1.0, probe.ascent() + probe.descent());
    }
    const double emPixels = em * k;
    if (!std::isfinite(emPixels) || emPixels > 1e5)
        return;
    const int pixels = std::clamp(int(std::lround(emPixels)), 1, 4000);
    const double s = emPixels / pixels; // font units to glyph space
    font.setPixelSize(pixels);
    font.setWeight(QFont::Weight(std::clamp(f.weight ? f.weight : 400, 100, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    if (f.width != 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0)
            font.setStretch(std::clamp(
                int(std::lround(100.0 * std::abs(double(f.width)) * k / s / average)), 1, 4000));
    }
    const QFontMetricsF fm(font);

    // Advances in font units.
    QList<double> advances;
    double total = 0;
    if (!dx.isEmpty()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            advances << dx.value(i, 0) * k / s;
            total += advances.back();
        }
    } else {
        total = fm.horizontalAdvance(text);
    }
    if (!m_painter) {
        // Roughly the text's box, in logical units.
        QPainterPath box;
        box.addRect(QRectF(at.x(), at.y() - em, em * 0.6 * text.size(), em * 1.2));
        measure(box);
        return;
    }
    if (state.rop2 == 11)
        return;

    double x0 = 0;
    switch (state.textAlign & 6) {
    case 2: // TA_RIGHT
        x0 = -total;
        break;
    case 6: // TA_CENTER
        x0 = -total / 2;
        break;
    default:
        break;
    }
    double baseline = fm.ascent(); // TA_TOP
    if ((state.textAlign & 24) == 24)
        baseline = 0; // TA_BASELINE
    else if (state.textAlign & 8)
        baseline = -fm.descent(); // TA_BOTTOM

    m_painter->save();
    m_painter->setTransform(full);
    if (clip)
        m_painter->setClipRect(clip->normalized(), Qt::IntersectClip);
    if (opaque)
        m_painter->fillRect(opaque->normalized(), state.bkColor);
    m_painter->setTransform(
        QTransform(ex.x() / k, ex.y() / k, ey.x() / k, ey.y() / k, o.x(), o.y()));
    m_painter->rotate(-f.escapement / 10.0);
    m_painter->scale(s, s);
    m_painter->setFont(font);
    if (state.bkMode == 2 && !opaque)
        m_painter->fillRect(QRectF(x0, baseline - fm.ascent(), total, fm.height()), state.bkColor);
    m_painter->setPen(state.textColor);
    if (advances.isEmpty()) {
        m_painter->drawText(QPointF(x0, baseline), text);
    } else {
        double x = x0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            // A surrogate pair is one character with one advance.
            const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            m_painter->drawText(QPointF(x, baseline), text.mid(i, n));
            for (qsizetype j = 0; j < n; ++j)
                x += advances[i + j];
            i += n - 1;
        }
    }
    m_painter->restore();
    if (state.textAlign & 1) // TA_UPDATECP
        state.position = at + QPointF(total * s / k, 0);
}

namespace {

// The composition a ternary raster operation with a source needs, by its
// index (the operation's third byte).
std::optional<QPainter::CompositionMode> sourceOperation(quint8 index) {
    switch (index) {
    case 0xCC: // SRCCOPY
    case 0xC0: // MERGECOPY
    case 0xB8: // draws a monochrome source through the brush
        return QPainter::CompositionMode_SourceOver;
    case 0x33: // NOTSRCCOPY
        return QPainter::RasterOp_NotSource;
    case 0x88: // SRCAND
        return QPainter::RasterOp_SourceAndDestination;
    case 0xEE: // SRCPAINT
        return QPainter::RasterOp_SourceOrDestination;
    case 0x66: // SRCINVERT
        return QPainter::RasterOp_SourceXorDestination;
    case 0x44: // SRCERASE
        return QPainter::RasterOp_SourceAndNotDestination;
    case 0xBB: // MERGEPAINT
        return QPainter::RasterOp_NotSourceOrDestination;
    case 0x11: // NOTSRCERASE
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case 0xAA: // the destination unchanged
        return std::nullopt;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

} // namespace

void Playback::image(const QRectF& dest, const QImage& image, const QRectF& source, quint32 rop,
                     double opacity) {
    if (image.isNull())
        return;
    QPainterPath box;
    box.addRect(dest.normalized());
    if (!m_painter) {
        measure(box);
        return;
    }
    const auto mode = sourceOperation(quint8(rop >> 16));
    if (state.rop2 == 11 || !mode)
        return;
    QImage picture = image;
    if (dest.width() < 0 || dest.height() < 0)
        picture = picture.mirrored(dest.width() < 0, dest.height() < 0);
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->setCompositionMode(*mode);
    m_painter->setOpacity(opacity);
    const QRectF src = source.isValid() ? source : QRectF(picture.rect());
    m_painter->drawImage(dest.normalized(), picture, src);
    m_painter->setOpacity(1);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Playback::patternBlit(const QRectF& dest, quint32 rop) {
    QBrush brush;
    auto mode = QPainter::CompositionMode_SourceOver;
    switch (quint8(rop >> 16)) {
    case 0xF0: // PATCOPY
        brush = toQBrush(state.brush, state.textColor, state.bkColor);
        break;
    case 0x5A: // PATINVERT
        brush = toQBrush(state.brush, state.textColor, state.bkColor);
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case 0x00: // BLACKNESS
        brush = QBrush(Qt::black);
        break;
    case 0xFF: // WHITENESS
        brush = QBrush(Qt::white);
        break;
    case 0x55: // DSTINVERT
        brush = QBrush(Qt::white);
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    default: // the destination unchanged, or an operation that needs a source
        return;
    }
    QPainterPath box;
    box.addRect(dest.normalized());
    if (!m_painter) {
        measure(box);
        return;
    }
    if (state.rop2 == 11 || brush.style() == Qt::NoBrush)
        return;
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    m_painter->setCompositionMode(mode);
    m_painter->fillPath(box, brush);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Playback::fillRegion(const QPainterPath& logical, const QBrush& brush) {
    if (!m_painter) {
        measure(logical);
        return;
    }
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    m_painter->fillPath(logical, brush);
}

void Playback::gradient(const QList<Vertex>& c, quint32 mode) {
    QPainterPath shape;
    if (mode == 2) {
        shape.addPolygon(QPolygonF({c[0].at, c[1].at, c[2].at}));
        shape.closeSubpath();
    } else {
        shape.addRect(QRectF(c[0].at, c[1].at).normalized());
    }
    if (!m_painter) {
        measure(shape);
        return;
    }
    if (state.rop2 == 11)
        return;
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    if (mode != 2) {
        const QPointF end =
            mode == 0 ? QPointF(c[1].at.x(), c[0].at.y()) : QPointF(c[0].at.x(), c[1].at.y());
        QLinearGradient g(c[0].at, end);
        g.setColorAt(0, c[0].color);
        g.setColorAt(1, c[1].color);
        m_painter->fillPath(shape, g);
        return;
    }
    // A shaded triangle as small flat ones, each in the colour at its centre.
    constexpr int n = 16;
    const auto mix = [&](double a, double b) {
        const double w = 1 - a - b;
        return QColor::fromRgbF(
            float(a * c[0].color.redF() + b * c[1].color.redF() + w * c[2].color.redF()),
            float(a * c[0].color.greenF() + b * c[1].color.greenF() + w * c[2].color.greenF()),
            float(a * c[0].color.blueF() + b * c[1].color.blueF() + w * c[2].color.blueF()));
    };
    const auto at = [&](double a, double b) {
        return a * c[0].at + b * c[1].at + (1 - a - b) * c[2].at;
    };
    m_painter->setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i)
        for (int j = 0; i + j < n; ++j) {
            const double a = double(i) / n, b = double(j) / n, d = 1.0 / n;
            QPolygonF up({at(a, b), at(a + d, b), at(a, b + d)});
            m_painter->setBrush(mix(a + d / 3, b + d / 3));
            m_painter->drawPolygon(up);
            if (i + j + 1 < n) {
                QPolygonF down({at(a + d, b), at(a + d, b + d), at(a, b + d)});
                m_painter->setBrush(mix(a + 2 * d / 3, b + 2 * d / 3));
                m_painter->drawPolygon(down);
            }
        }
}

void Playback::invertRegion(const QPainterPath& logical) {
    if (!m_painter) {
        measure(logical);
        return;
    }
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter->fillPath(logical, Qt::white);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace picture::metafile
