#include "picture/metafile/EmfPlayer.h"

#include "picture/BmpDecoder.h"
#include "picture/Picture.h"
#include "picture/metafile/Playback.h"
#include "picture/metafile/RecordReader.h"

#include <cmath>
#include <uemf_safe.h>

namespace picture::metafile {

namespace {

constexpr quint32 kSignature = 0x464D4520; // " EMF"
constexpr qsizetype kMaxPoints = 1 << 22;

QColor colorRef(quint32 c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QRectF rectL(const RecordReader& r, qsizetype at) {
    return QRectF(QPointF(r.i32(at), r.i32(at + 4)), QPointF(r.i32(at + 8), r.i32(at + 12)));
}

QPointF pointL(const RecordReader& r, qsizetype at) {
    return QPointF(r.i32(at), r.i32(at + 4));
}

QPolygonF points(const RecordReader& r, qsizetype at, quint32 count, bool small) {
    QPolygonF poly;
    const qsizetype step = small ? 4 : 8;
    if (count > kMaxPoints || !r.has(at, qsizetype(count) * step))
        return poly;
    poly.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype p = at + i * step;
        poly << (small ? QPointF(r.i16(p), r.i16(p + 2)) : QPointF(r.i32(p), r.i32(p + 4)));
    }
    return poly;
}

QList<QPolygonF> polyPoints(const RecordReader& r, bool small) {
    QList<QPolygonF> result;
    const quint32 polys = r.u32(24);
    const quint32 total = r.u32(28);
    if (polys > kMaxPoints || total > kMaxPoints || !r.has(32, qsizetype(polys) * 4))
        return result;
    qsizetype at = 32 + qsizetype(polys) * 4;
    quint64 used = 0;
    for (quint32 i = 0; i < polys; ++i) {
        const quint32 n = r.u32(32 + i * 4);
        used += n;
        if (used > total)
            return result;
        result << points(r, at, n, small);
        at += qsizetype(n) * (small ? 4 : 8);
    }
    return result;
}

// A DIB stored in a record at the given offsets.
QImage recordDib(const RecordReader& r, quint32 offBmi, quint32 cbBmi, quint32 offBits,
                 quint32 cbBits) {
    if (cbBmi == 0 || !r.has(offBmi, cbBmi) || !r.has(offBits, cbBits))
        return {};
    try {
        return decodeDib(r.bytes(offBmi, cbBmi), r.bytes(offBits, cbBits));
    } catch (const PictureError&) {
        return {};
    }
}

GdiObject stockObject(quint32 index) {
    switch (index) {
    case 0:
        return GdiBrush{0, Qt::white, 0, {}};
    case 1:
        return GdiBrush{0, QColor(192, 192, 192), 0, {}};
    case 2:
        return GdiBrush{0, QColor(128, 128, 128), 0, {}};
    case 3:
        return GdiBrush{0, QColor(64, 64, 64), 0, {}};
    case 4:
        return GdiBrush{0, Qt::black, 0, {}};
    case 5:
        return GdiBrush{1, Qt::white, 0, {}};
    case 6:
        return GdiPen{0, 0, Qt::white};
    case 7:
        return GdiPen{0, 0, Qt::black};
    case 8:
        return GdiPen{5, 0, Qt::black};
    case 18:
        return GdiBrush{0, Qt::white, 0, {}};
    case 19:
        return GdiPen{0, 0, Qt::black};
    case 15: // the default palette
        return {};
    default: {
        GdiFont f;
        f.height = -12;
        f.face = QStringLiteral("DejaVu Sans");
        return f;
    }
    }
}

// The records whose layout libUEMF checks and whose check we use.
bool checkedByLibrary(quint32 type) {
    switch (type) {
    case 70: // comments: any contents
    case 83:
    case 84:
    case 96:
    case 97:
    case 108: // text: see playEmf
    case 69:
    case 102:
    case 103:
    case 105:
    case 106:
    case 107:
    case 109:
    case 110:
    case 111:
    case 112:
    case 113:
    case 117: // not known to the checker
        return false;
    default:
        return type >= 2 && type <= 118;
    }
}

// The brush an index names: a stock brush, or one from the table.
std::optional<QBrush> brushAt(const Playback& pb, quint32 index) {
    const GdiObject stock = index & 0x80000000u ? stockObject(index & 0x7FFFFFFFu) : GdiObject{};
    const GdiObject* o = index & 0x80000000u ? &stock : pb.objects.get(index);
    const auto* brush = o ? std::get_if<GdiBrush>(o) : nullptr;
    if (!brush)
        return std::nullopt;
    return toQBrush(*brush, pb.state.textColor, pb.state.bkColor);
}

void select(Playback& pb, quint32 index) {
    GdiObject object;
    if (index & 0x80000000u) {
        object = stockObject(index & 0x7FFFFFFFu);
    } else if (const GdiObject* o = pb.objects.get(index)) {
        object = *o;
    } else {
        return;
    }
    if (auto* pen = std::get_if<GdiPen>(&object))
        pb.state.pen = *pen;
    else if (auto* brush = std::get_if<GdiBrush>(&object))
        pb.state.brush = *brush;
    else if (auto* font = std::get_if<GdiFont>(&object))
        pb.state.font = *font;
}

QPainterPath regionPath(const RecordReader& r, qsizetype at, quint32 size) {
    QPainterPath path;
    if (!r.has(at, 32) || size < 32)
        return path;
    const quint32 count = r.u32(at + 8);
    if (count > kMaxPoints || !r.has(at + 32, qsizetype(count) * 16))
        return path;
    for (quint32 i = 0; i < count; ++i)
        path.addRect(rectL(r, at + 32 + i * 16).normalized());
    return path.simplified();
}

QString emfText(const RecordReader& r, qsizetype textAt, bool wide, int charset,
                QList<double>& dx) {
    const quint32 chars = r.u32(textAt + 8);
    const quint32 offString = r.u32(textAt + 12);
    const quint32 offDx = r.u32(textAt + 36);
    if (chars > 65536)
        return {};
    QString text;
    if (wide) {
        const QByteArrayView b = r.bytes(offString, qsizetype(chars) * 2);
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(b.data()), b.size() / 2);
    } else {
        text = decodeText(r.bytes(offString, chars), charset);
    }
    if (offDx && r.has(offDx, qsizetype(chars) * 4)) {
        for (quint32 i = 0; i < chars; ++i)
            dx << r.i32(offDx + i * 4);
        // Two values a character when ETO_PDY is set; keep the x advances.
        if (r.u32(textAt + 16) & 0x2000 && r.has(offDx, qsizetype(chars) * 8)) {
            dx.clear();
            for (quint32 i = 0; i < chars; ++i)
                dx << r.i32(offDx + i * 8);
        }
    }
    if (text.size() != dx.size())
        dx.resize(std::min(dx.size(), text.size()));
    return text;
}

void playText(Playback& pb, const RecordReader& r, qsizetype textAt, bool wide) {
    QList<double> dx;
    const QString text = emfText(r, textAt, wide, pb.state.font.charset, dx);
    const quint32 options = r.u32(textAt + 16);
    std::optional<QRectF> opaque, clip;
    if (options & 0x2) // ETO_OPAQUE
        opaque = rectL(r, textAt + 20);
    if (options & 0x4) // ETO_CLIPPED
        clip = rectL(r, textAt + 20);
    if (dx.size() != text.size())
        dx.clear();
    pb.text(pointL(r, textAt), text, dx, false, opaque, clip);
}

} // namespace

bool readEmfHeader(QByteArrayView data, EmfHeader& header) {
    const RecordReader r(data);
    if (data.size() < 88 || r.u32(0) != 1 || r.u32(40) != kSignature)
        return false;
    const quint32 headerSize = r.u32(4);
    if (headerSize < 88 || headerSize > quint32(data.size()) || headerSize % 4)
        return false;
    // Every record lies inside the file; the last is EMR_EOF.
    qsizetype at = 0;
    bool ended = false;
    while (at + 8 <= data.size()) {
        const quint32 type = r.u32(at);
        const quint32 size = r.u32(at + 4);
        if (size < 8 || size % 4 || size > quint32(data.size() - at))
            return false;
        at += size;
        if (type == 14) {
            ended = true;
            break;
        }
    }
    if (!ended && at != data.size())
        return false;

    const QSizeF device(r.i32(72), r.i32(76));
    const QSizeF mm(r.i32(80), r.i32(84));
    if (device.width() <= 0 || device.height() <= 0 || mm.width() <= 0 || mm.height() <= 0)
        return false;
    header.devicePerMm = QSizeF(device.width() / mm.width(), device.height() / mm.height());
    const QRectF frame = rectL(r, 24).normalized(); // .01 mm
    QRectF deviceFrame(frame.left() * header.devicePerMm.width() / 100,
                       frame.top() * header.devicePerMm.height() / 100,
                       frame.width() * header.devicePerMm.width() / 100,
                       frame.height() * header.devicePerMm.height() / 100);
    // The bounds, in reference-device pixels, where the frame is empty or
    // lies mostly off the drawing (some writers state a frame of the right
    // size at the wrong place).
    const QRectF bounds = rectL(r, 8).adjusted(0, 0, 1, 1);
    const auto area = [](const QRectF& a) { return a.width() * a.height(); };
    if (deviceFrame.width() < 1 || deviceFrame.height() < 1 ||
        (bounds.width() >= 1 && bounds.height() >= 1 &&
         area(bounds.intersected(deviceFrame)) < std::min(area(bounds), area(deviceFrame)) / 2))
        deviceFrame = bounds;
    if (deviceFrame.width() < 1 || deviceFrame.height() < 1 || deviceFrame.width() > 1e7 ||
        deviceFrame.height() > 1e7)
        return false;
    header.frameDevice = deviceFrame;
    header.sizeInPixels96 =
        QSizeF(frame.width() / 100 / 25.4 * 96, frame.height() / 100 / 25.4 * 96);
    if (header.sizeInPixels96.width() < 1 || header.sizeInPixels96.height() < 1)
        header.sizeInPixels96 = deviceFrame.size();
    return true;
}

void playEmf(QByteArrayView data, const EmfHeader& header, Playback& pb) {
    const QSizeF dpm = header.devicePerMm;
    qsizetype at = 0;
    while (at + 8 <= data.size()) {
        const RecordReader head(data.sliced(at));
        const quint32 type = head.u32(0);
        const quint32 size = head.u32(4);
        if (size < 8 || size > quint32(data.size() - at))
            break;
        const RecordReader r(data.sliced(at, size));
        const char* raw = data.data() + at;
        at += size;
        if (type == 14)
            break;
        // A record whose contents do not fit its size is skipped. Text records
        // are left to our own field checks: the checker refuses those without
        // an advance array, which writers omit and which play fine.
        if (checkedByLibrary(type) && !U_emf_record_safe(raw))
            continue;

        switch (type) {
        case 2:
            pb.polyBezier(points(r, 28, r.u32(24), false), false);
            break;
        case 3:
            pb.polygon(points(r, 28, r.u32(24), false));
            break;
        case 4:
            pb.polyline(points(r, 28, r.u32(24), false));
            break;
        case 5:
            pb.polyBezier(points(r, 28, r.u32(24), false), true);
            break;
        case 6:
            pb.polylineTo(points(r, 28, r.u32(24), false));
            break;
        case 7:
            pb.polyPolyline(polyPoints(r, false));
            break;
        case 8:
            pb.polyPolygon(polyPoints(r, false));
            break;
        case 85:
            pb.polyBezier(points(r, 28, r.u32(24), true), false);
            break;
        case 86:
            pb.polygon(points(r, 28, r.u32(24), true));
            break;
        case 87:
            pb.polyline(points(r, 28, r.u32(24), true));
            break;
        case 88:
            pb.polyBezier(points(r, 28, r.u32(24), true), true);
            break;
        case 89:
            pb.polylineTo(points(r, 28, r.u32(24), true));
            break;
        case 90:
            pb.polyPolyline(polyPoints(r, true));
            break;
        case 91:
            pb.polyPolygon(polyPoints(r, true));
            break;
        case 9:
            pb.state.windowExt = QSizeF(r.i32(8), r.i32(12));
            break;
        case 10:
            pb.state.windowOrg = pointL(r, 8);
            break;
        case 11:
            pb.state.viewportExt = QSizeF(r.i32(8), r.i32(12));
            break;
        case 12:
            pb.state.viewportOrg = pointL(r, 8);
            break;
        case 17: {
            pb.state.mapMode = int(r.u32(8));
            const double units[] = {0, 0, 0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
            if (pb.state.mapMode >= 2 && pb.state.mapMode <= 6)
                pb.setPageScale(units[pb.state.mapMode] * dpm.width(),
                                -units[pb.state.mapMode] * dpm.height());
            break;
        }
        case 18:
            pb.state.bkMode = int(r.u32(8));
            break;
        case 19:
            pb.state.polyFillMode = int(r.u32(8));
            break;
        case 20:
            pb.state.rop2 = int(r.u32(8));
            break;
        case 22:
            pb.state.textAlign = int(r.u32(8));
            break;
        case 24:
            pb.state.textColor = colorRef(r.u32(8));
            break;
        case 25:
            pb.state.bkColor = colorRef(r.u32(8));
            break;
        case 27:
            pb.moveTo(pointL(r, 8));
            break;
        case 54:
            pb.lineTo(pointL(r, 8));
            break;
        case 29:
            pb.excludeClip(rectL(r, 8));
            break;
        case 30:
            pb.intersectClip(rectL(r, 8));
            break;
        case 31:
        case 32: {
            const double xd = r.i32(12), yd = r.i32(20);
            if (xd == 0 || yd == 0)
                break;
            QSizeF& ext = type == 31 ? pb.state.viewportExt : pb.state.windowExt;
            ext = QSizeF(ext.width() * r.i32(8) / xd, ext.height() * r.i32(16) / yd);
            break;
        }
        case 33:
            pb.saveDC();
            break;
        case 34:
            pb.restoreDC(r.i32(8));
            break;
        case 35:
        case 36: {
            const QTransform xf(r.f32(8), r.f32(12), r.f32(16), r.f32(20), r.f32(24), r.f32(28));
            if (!xf.isInvertible() && type == 35)
                break;
            const quint32 mode = type == 35 ? 4 : r.u32(32);
            if (mode == 1)
                pb.state.world = QTransform();
            else if (mode == 2)
                pb.state.world = xf * pb.state.world;
            else if (mode == 3)
                pb.state.world = pb.state.world * xf;
            else if (mode == 4)
                pb.state.world = xf;
            break;
        }
        case 37:
            select(pb, r.u32(8));
            break;
        case 40:
            pb.objects.remove(r.u32(8));
            break;
        case 38:
            pb.objects.set(r.u32(8),
                           GdiPen{int(r.u32(12)), double(r.i32(16)), colorRef(r.u32(24))});
            break;
        case 39:
            pb.objects.set(r.u32(8),
                           GdiBrush{int(r.u32(12)), colorRef(r.u32(16)), int(r.u32(20)), {}});
            break;
        case 95: {
            GdiPen pen{int(r.u32(28)), double(r.u32(32)), colorRef(r.u32(40))};
            if (r.u32(36) == 1) // BS_NULL brush: nothing to draw with
                pen.style = 5;
            pb.objects.set(r.u32(8), pen);
            break;
        }
        case 93:
        case 94: {
            GdiBrush brush{5, Qt::black, 0, {}};
            if (type == 93) // CREATEMONOBRUSH: drawn in the text and background colours
                brush.pattern =
                    monoDib(r.bytes(r.u32(16), r.u32(20)), r.bytes(r.u32(24), r.u32(28)));
            if (brush.pattern.isNull())
                brush.pattern = recordDib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28));
            if (brush.pattern.isNull())
                brush.style = 0;
            pb.objects.set(r.u32(8), brush);
            break;
        }
        case 82: {
            GdiFont f;
            f.height = r.i32(12);
            f.width = r.i32(16);
            f.escapement = r.i32(20);
            f.weight = r.i32(28);
            f.italic = r.u8(32);
            f.underline = r.u8(33);
            f.strikeOut = r.u8(34);
            f.charset = r.u8(35);
            const QByteArrayView face = r.bytes(40, 64);
            f.face =
                QString::fromUtf16(reinterpret_cast<const char16_t*>(face.data()), face.size() / 2);
            f.face.truncate(f.face.indexOf(QChar(0)) < 0 ? f.face.size()
                                                         : f.face.indexOf(QChar(0)));
            pb.objects.set(r.u32(8), f);
            break;
        }
        case 41:
            pb.angleArc(pointL(r, 8), r.u32(16), r.f32(20), r.f32(24));
            break;
        case 42:
            pb.ellipse(rectL(r, 8));
            break;
        case 43:
            pb.rectangle(rectL(r, 8));
            break;
        case 44:
            pb.roundRect(rectL(r, 8), QSizeF(r.i32(24), r.i32(28)));
            break;
        case 45:
            pb.arc(rectL(r, 8), pointL(r, 24), pointL(r, 32), Playback::ArcKind::Arc);
            break;
        case 46:
            pb.arc(rectL(r, 8), pointL(r, 24), pointL(r, 32), Playback::ArcKind::Chord);
            break;
        case 47:
            pb.arc(rectL(r, 8), pointL(r, 24), pointL(r, 32), Playback::ArcKind::Pie);
            break;
        case 55:
            pb.arc(rectL(r, 8), pointL(r, 24), pointL(r, 32), Playback::ArcKind::ArcTo);
            break;
        case 57:
            pb.clockwiseArcs = r.u32(8) == 2;
            break;
        case 59:
            pb.beginPath();
            break;
        case 60:
            pb.endPath();
            break;
        case 61:
            pb.closeFigure();
            break;
        case 62:
            pb.fillPath();
            break;
        case 63:
            pb.strokeAndFillPath();
            break;
        case 64:
            pb.strokePath();
            break;
        case 67:
            pb.selectClipPath(int(r.u32(8)));
            break;
        case 68:
            pb.abortPath();
            break;
        // Regions drawn by these records are in logical units.
        case 71:   // FILLRGN
        case 72: { // FRAMERGN
            const std::optional<QBrush> brush = brushAt(pb, r.u32(28));
            QPainterPath region = regionPath(r, type == 71 ? 32 : 40, r.u32(24));
            if (!brush)
                break;
            if (type == 72) { // a frame of width by height inside the region's edge
                QPainterPathStroker stroker;
                stroker.setWidth(2 * std::clamp(std::max(r.i32(32), r.i32(36)), 1, 1 << 20));
                stroker.setJoinStyle(Qt::MiterJoin);
                region = stroker.createStroke(region).intersected(region);
            }
            pb.fillRegion(region, *brush);
            break;
        }
        case 73: // INVERTRGN
            pb.invertRegion(regionPath(r, 28, r.u32(24)));
            break;
        case 74: // PAINTRGN
            pb.fillRegion(regionPath(r, 28, r.u32(24)),
                          toQBrush(pb.state.brush, pb.state.textColor, pb.state.bkColor));
            break;
        case 75: { // EXTSELECTCLIPRGN
            const quint32 mode = r.u32(12);
            if (r.u32(8) == 0) {
                if (mode == 5)
                    pb.resetClip();
                break;
            }
            pb.selectClipRegion(regionPath(r, 16, r.u32(8)), int(mode)); // device units
            break;
        }
        case 76:
        case 77: { // BITBLT, STRETCHBLT
            const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            const quint32 cbBmi = r.u32(88);
            const quint32 rop = r.u32(40);
            if (cbBmi == 0) { // no source: the brush, black, white or nothing
                pb.patternBlit(dest, rop);
                break;
            }
            const QImage image = recordDib(r, r.u32(84), cbBmi, r.u32(92), r.u32(96));
            QRectF source(r.i32(44), r.i32(48), dest.width(), dest.height());
            if (type == 77)
                source.setSize(QSizeF(r.i32(100), r.i32(104)));
            pb.image(dest, image, source.normalized(), rop);
            break;
        }
        case 114:   // ALPHABLEND
        case 116: { // TRANSPARENTBLT
            const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            QImage image = recordDib(r, r.u32(84), r.u32(88), r.u32(92), r.u32(96));
            if (image.isNull())
                break;
            const QRectF source(r.i32(44), r.i32(48), r.i32(100), r.i32(104));
            if (type == 116) { // the transparent colour drops out
                image = image.convertToFormat(QImage::Format_ARGB32);
                const QRgb key = colorRef(r.u32(40)).rgb() | 0xFF000000u;
                for (int y = 0; y < image.height(); ++y) {
                    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                    for (int x = 0; x < image.width(); ++x)
                        if ((row[x] | 0xFF000000u) == key)
                            row[x] = 0;
                }
                pb.image(dest, image, source.normalized());
            } else {
                pb.image(dest, image, source.normalized(), Playback::kSrcCopy,
                         r.u8(42) / 255.0); // the constant alpha
            }
            break;
        }
        case 118: { // GRADIENTFILL
            const quint32 vertices = r.u32(24), shapes = r.u32(28), mode = r.u32(32);
            if (vertices > 65536 || shapes > 65536 || !r.has(36, qsizetype(vertices) * 16))
                break;
            QList<Playback::Vertex> v;
            for (quint32 i = 0; i < vertices; ++i) {
                const qsizetype at = 36 + qsizetype(i) * 16;
                v << Playback::Vertex{pointL(r, at), QColor(r.u16(at + 8) >> 8, r.u16(at + 10) >> 8,
                                                            r.u16(at + 12) >> 8)};
            }
            const qsizetype list = 36 + qsizetype(vertices) * 16;
            const int per = mode == 2 ? 3 : 2;
            for (quint32 i = 0; i < shapes && r.has(list, qsizetype(i + 1) * per * 4); ++i) {
                QList<Playback::Vertex> shape;
                for (int j = 0; j < per; ++j) {
                    const quint32 index = r.u32(list + (qsizetype(i) * per + j) * 4);
                    if (index >= vertices)
                        break;
                    shape << v[index];
                }
                if (shape.size() == per)
                    pb.gradient(shape, mode);
            }
            break;
        }
        case 108: { // SMALLTEXTOUT
            const quint32 chars = r.u32(16), options = r.u32(20);
            const qsizetype at = options & 0x100 ? 36 : 52; // ETO_NO_RECT: no clipping box
            if (chars > 65536)
                break;
            QString text;
            if (options & 0x200) { // ETO_SMALL_CHARS: 8-bit characters
                text = decodeText(r.bytes(at, chars), pb.state.font.charset);
            } else {
                const QByteArrayView b = r.bytes(at, qsizetype(chars) * 2);
                text =
                    QString::fromUtf16(reinterpret_cast<const char16_t*>(b.data()), b.size() / 2);
            }
            pb.text(pointL(r, 8), text, {}, false, std::nullopt);
            break;
        }
        case 80: { // SETDIBITSTODEVICE
            const QImage image = recordDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60));
            const QRectF dest(r.i32(24), r.i32(28), r.i32(40), r.i32(44));
            pb.image(dest, image, QRectF(r.i32(32), r.i32(36), r.i32(40), r.i32(44)));
            break;
        }
        case 81: { // STRETCHDIBITS
            const QImage image = recordDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60));
            const QRectF dest(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
            QRectF source(r.i32(32), r.i32(36), r.i32(40), r.i32(44));
            if (!image.isNull()) // DIB rows count from the bottom
                source.moveTop(image.height() - source.bottom());
            pb.image(dest, image, source, r.u32(68));
            break;
        }
        case 83:
            playText(pb, r, 36, false);
            break;
        case 84:
            playText(pb, r, 36, true);
            break;
        case 96:
        case 97: {
            const quint32 strings = r.u32(36);
            for (quint32 i = 0; i < strings && i < 4096; ++i)
                playText(pb, r, 40 + qsizetype(i) * 40, type == 97);
            break;
        }
        case 15: { // SETPIXELV
            QPainterPath dot;
            dot.addRect(QRectF(pointL(r, 8), QSizeF(1, 1)));
            pb.fillRegion(dot, QBrush(colorRef(r.u32(16))));
            break;
        }
        default:
            break; // comments (EMF+ included) and records without a visible effect
        }
    }
}

} // namespace picture::metafile
