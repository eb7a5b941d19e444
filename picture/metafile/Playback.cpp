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
    QBrush brush = fill ? toQBrush(state.brush) : QBrush(Qt::NoBrush);
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
                    bool useCurrent, const std::optional<QRectF>& opaque) {
    const QPointF at = useCurrent || (state.textAlign & 1) ? state.position : reference;
    const QTransform full = logicalToDevice() * m_deviceToTarget;
    const double sx = std::hypot(full.m11(), full.m12());
    const double sy = std::hypot(full.m21(), full.m22());
    const GdiFont& f = state.font;
    const double em = f.height < 0 ? -f.height : (f.height > 0 ? f.height * 0.85 : 12.0);
    QFont font(faceFor(f));
    font.setPixelSize(std::clamp(int(std::lround(em * sy)), 1, 4000));
    font.setWeight(QFont::Weight(std::clamp(f.weight ? f.weight : 400, 100, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    const QFontMetricsF fm(font);

    QList<double> advances;
    double total = 0;
    if (!dx.isEmpty()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            advances << dx.value(i, 0) * sx;
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

    double x0 = 0;
    switch (state.textAlign & 6) {
    case 2:
        x0 = -total;
        break; // TA_RIGHT
    case 6:
        x0 = -total / 2;
        break; // TA_CENTER
    default:
        break;
    }
    double baseline = fm.ascent(); // TA_TOP
    if ((state.textAlign & 24) == 24)
        baseline = 0; // TA_BASELINE
    else if (state.textAlign & 8)
        baseline = -fm.descent(); // TA_BOTTOM

    m_painter->save();
    if (opaque && state.rop2 != 11) {
        m_painter->setTransform(full);
        m_painter->fillRect(opaque->normalized(), state.bkColor);
    }
    m_painter->setTransform(QTransform());
    m_painter->translate(full.map(at));
    m_painter->rotate(-f.escapement / 10.0);
    m_painter->setFont(font);
    if (state.bkMode == 2 && !opaque)
        m_painter->fillRect(QRectF(x0, baseline - fm.ascent(), total, fm.height()), state.bkColor);
    m_painter->setPen(state.textColor);
    if (advances.isEmpty()) {
        m_painter->drawText(QPointF(x0, baseline), text);
    } else {
        double x = x0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            m_painter->drawText(QPointF(x, baseline), QString(text[i]));
            x += advances[i];
        }
    }
    m_painter->restore();
    if (state.textAlign & 1) // TA_UPDATECP
        state.position = at + QPointF(sx > 0 ? total / sx : 0, 0);
}

void Playback::image(const QRectF& dest, const QImage& image, const QRectF& source) {
    if (image.isNull())
        return;
    QPainterPath box;
    box.addRect(dest.normalized());
    if (!m_painter) {
        measure(box);
        return;
    }
    if (state.rop2 == 11)
        return;
    QImage picture = image;
    if (dest.width() < 0 || dest.height() < 0)
        picture = picture.mirrored(dest.width() < 0, dest.height() < 0);
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF src = source.isValid() ? source : QRectF(picture.rect());
    m_painter->drawImage(dest.normalized(), picture, src);
}

void Playback::fillRegion(const QPainterPath& logical, const QBrush& brush) {
    if (!m_painter) {
        measure(logical);
        return;
    }
    m_painter->setTransform(logicalToDevice() * m_deviceToTarget);
    m_painter->fillPath(logical, brush);
}

} // namespace picture::metafile
