#include "picture/metafile/WmfPlayer.h"

#include "picture/BmpDecoder.h"
#include "picture/Picture.h"
#include "picture/metafile/Playback.h"
#include "picture/metafile/RecordReader.h"

namespace picture::metafile {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kMaxPoints = 1 << 20;

QColor colorRef(quint32 c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// Parameters start 6 bytes into a record; WMF lists coordinates backwards.
qsizetype param(int i) {
    return 6 + 2 * i;
}

QRectF rectLTRB(const RecordReader& r, int first) // bottom, right, top, left
{
    return QRectF(QPointF(r.i16(param(first + 3)), r.i16(param(first + 2))),
                  QPointF(r.i16(param(first + 1)), r.i16(param(first))));
}

QPointF pointYX(const RecordReader& r, int first) {
    return QPointF(r.i16(param(first + 1)), r.i16(param(first)));
}

QPolygonF pointsXY(const RecordReader& r, qsizetype at, qsizetype count) {
    QPolygonF poly;
    if (count < 0 || count > kMaxPoints || !r.has(at, count * 4))
        return poly;
    poly.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        poly << QPointF(r.i16(at + i * 4), r.i16(at + i * 4 + 2));
    return poly;
}

QImage dibAt(const RecordReader& r, qsizetype at) {
    const QByteArrayView dib = r.bytes(at, r.size() - at);
    if (dib.size() < 12)
        return {};
    const RecordReader d(dib);
    const quint32 headerSize = d.u32(0);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return {};
    int bits = headerSize == 12 ? d.u16(10) : d.u16(14);
    quint32 used = headerSize == 12 ? 0 : d.u32(32);
    const quint32 compression = headerSize == 12 ? 0 : d.u32(16);
    qsizetype table =
        bits <= 8 ? qsizetype(used ? used : (1u << bits)) * (headerSize == 12 ? 3 : 4) : 0;
    if (compression == 3 && headerSize == 40)
        table += 12;
    const qsizetype bitsAt = headerSize + table;
    if (bitsAt > dib.size())
        return {};
    try {
        return decodeDib(dib.first(bitsAt), dib.sliced(bitsAt));
    } catch (const PictureError&) {
        return {};
    }
}

void select(Playback& pb, quint16 index) {
    const GdiObject* o = pb.objects.get(index);
    if (!o)
        return;
    if (auto* pen = std::get_if<GdiPen>(o))
        pb.state.pen = *pen;
    else if (auto* brush = std::get_if<GdiBrush>(o))
        pb.state.brush = *brush;
    else if (auto* font = std::get_if<GdiFont>(o))
        pb.state.font = *font;
}

// Applies one record; returns false at the end of the metafile.
bool playRecord(const RecordReader& r, quint16 function, Playback& pb) {
    switch (function) {
    case 0x0000:
        return false;
    case 0x0102:
        pb.state.bkMode = r.u16(param(0));
        break;
    case 0x0104:
        pb.state.rop2 = r.u16(param(0));
        break;
    case 0x0106:
        pb.state.polyFillMode = r.u16(param(0));
        break;
    case 0x012E:
        pb.state.textAlign = r.u16(param(0));
        break;
    case 0x0201:
        pb.state.bkColor = colorRef(r.u32(param(0)));
        break;
    case 0x0209:
        pb.state.textColor = colorRef(r.u32(param(0)));
        break;
    case 0x020B:
        pb.state.windowOrg = pointYX(r, 0);
        break;
    case 0x020C: {
        const QPointF ext = pointYX(r, 0);
        if (ext.x() != 0 && ext.y() != 0)
            pb.state.windowExt = QSizeF(ext.x(), ext.y());
        break;
    }
    case 0x020F:
        pb.state.windowOrg += pointYX(r, 0);
        break;     // OFFSETWINDOWORG
    case 0x0410: { // SCALEWINDOWEXT: yDenom, yNum, xDenom, xNum
        const double xd = r.i16(param(2)), yd = r.i16(param(0));
        if (xd != 0 && yd != 0 && r.i16(param(3)) != 0 && r.i16(param(1)) != 0)
            pb.state.windowExt = QSizeF(pb.state.windowExt.width() * r.i16(param(3)) / xd,
                                        pb.state.windowExt.height() * r.i16(param(1)) / yd);
        break;
    }
    case 0x0213:
        pb.lineTo(pointYX(r, 0));
        break;
    case 0x0214:
        pb.moveTo(pointYX(r, 0));
        break;
    case 0x0415:
        pb.excludeClip(rectLTRB(r, 0));
        break;
    case 0x0416:
        pb.intersectClip(rectLTRB(r, 0));
        break;
    case 0x0418:
        pb.ellipse(rectLTRB(r, 0));
        break;
    case 0x041B:
        pb.rectangle(rectLTRB(r, 0));
        break;
    case 0x061C:
        pb.roundRect(rectLTRB(r, 2), QSizeF(r.i16(param(1)), r.i16(param(0))));
        break;
    case 0x0817:
    case 0x081A:
    case 0x0830: {
        const auto kind = function == 0x0817   ? Playback::ArcKind::Arc
                          : function == 0x081A ? Playback::ArcKind::Pie
                                               : Playback::ArcKind::Chord;
        pb.arc(rectLTRB(r, 4), pointYX(r, 2), pointYX(r, 0), kind);
        break;
    }
    case 0x001E:
        pb.saveDC();
        break;
    case 0x0127:
        pb.restoreDC(r.i16(param(0)));
        break;
    case 0x0324:
        pb.polygon(pointsXY(r, param(1), r.i16(param(0))));
        break;
    case 0x0325:
        pb.polyline(pointsXY(r, param(1), r.i16(param(0))));
        break;
    case 0x0538: { // POLYPOLYGON
        const int count = r.u16(param(0));
        QList<QPolygonF> polys;
        qsizetype at = param(1) + count * 2;
        for (int i = 0; i < count; ++i) {
            const int n = r.u16(param(1 + i));
            polys << pointsXY(r, at, n);
            at += qsizetype(n) * 4;
        }
        pb.polyPolygon(polys);
        break;
    }
    case 0x0521: { // TEXTOUT: count, string, y, x
        const int count = r.i16(param(0));
        if (count <= 0)
            break;
        const qsizetype padded = (count + 1) & ~1;
        const QString text = decodeText(r.bytes(param(1), count), pb.state.font.charset);
        const qsizetype after = param(1) + padded;
        pb.text(QPointF(r.i16(after + 2), r.i16(after)), text, {}, false, std::nullopt);
        break;
    }
    case 0x0A32: { // EXTTEXTOUT: y, x, count, options, [rect], string, [dx]
        const QPointF at(r.i16(param(1)), r.i16(param(0)));
        const int count = r.i16(param(2));
        const quint16 options = r.u16(param(3));
        qsizetype next = param(4);
        std::optional<QRectF> opaque, clip;
        if (options & 0x6) { // ETO_OPAQUE, ETO_CLIPPED
            const QRectF rect(QPointF(r.i16(next), r.i16(next + 2)),
                              QPointF(r.i16(next + 4), r.i16(next + 6)));
            if (options & 0x2)
                opaque = rect;
            if (options & 0x4)
                clip = rect;
            next += 8;
        }
        if (count <= 0)
            break;
        const QString text = decodeText(r.bytes(next, count), pb.state.font.charset);
        next += (count + 1) & ~1;
        QList<double> dx;
        if (r.has(next, qsizetype(count) * 2))
            for (int i = 0; i < count; ++i)
                dx << r.i16(next + i * 2);
        if (dx.size() != text.size())
            dx.clear(); // multi-byte text: the advances are per byte
        pb.text(at, text, dx, false, opaque, clip);
        break;
    }
    case 0x012D:
        select(pb, r.u16(param(0)));
        break;
    case 0x01F0:
        pb.objects.remove(r.u16(param(0)));
        break;
    case 0x02FA: // CREATEPENINDIRECT: style, width (x, y), colour
        pb.objects.addToFreeSlot(
            GdiPen{r.u16(param(0)), double(r.i16(param(1))), colorRef(r.u32(param(3)))});
        break;
    case 0x02FC: // CREATEBRUSHINDIRECT: style, colour, hatch
        pb.objects.addToFreeSlot(
            GdiBrush{r.u16(param(0)), colorRef(r.u32(param(1))), r.u16(param(3)), {}});
        break;
    case 0x0142: { // DIBCREATEPATTERNBRUSH: style, usage, DIB
        GdiBrush brush{5, Qt::black, 0, dibAt(r, param(2))};
        if (brush.pattern.isNull())
            brush.style = 0;
        pb.objects.addToFreeSlot(brush);
        break;
    }
    case 0x02FB: { // CREATEFONTINDIRECT
        GdiFont f;
        f.height = r.i16(param(0));
        f.width = r.i16(param(1));
        f.escapement = r.i16(param(2));
        f.weight = r.i16(param(4));
        f.italic = r.u8(param(5));
        f.underline = r.u8(param(5) + 1);
        f.strikeOut = r.u8(param(6));
        f.charset = r.u8(param(6) + 1);
        const QByteArrayView face = r.bytes(param(9), std::min<qsizetype>(32, r.size() - param(9)));
        const qsizetype end = face.indexOf('\0');
        f.face = decodeText(end < 0 ? face : face.first(end), f.charset);
        pb.objects.addToFreeSlot(f);
        break;
    }
    case 0x00F7: // CREATEPALETTE
    case 0x06FF: // CREATEREGION
        pb.objects.addToFreeSlot(
            GdiOther{}); // holds the slot; selecting it changes no pen or brush
        break;
    case 0x01F9: // CREATEPATTERNBRUSH (a device-dependent bitmap): drawn hollow
        pb.objects.addToFreeSlot(GdiBrush{1, Qt::white, 0, {}});
        break;
    case 0x0940: { // DIBBITBLT: rop(2), [reserved without a DIB], ySrc, xSrc, height, width,
                   // yDest, xDest, [DIB]
        const quint32 rop = r.u32(param(0));
        if (r.size() <= 2 * (3 + 9)) { // no DIB: a pattern blit
            const int d = r.size() == 2 * (3 + 9) ? 1 : 0;
            pb.patternBlit(QRectF(r.i16(param(7 + d)), r.i16(param(6 + d)), r.i16(param(5 + d)),
                                  r.i16(param(4 + d))),
                           rop);
            break;
        }
        const QRectF dest(r.i16(param(7)), r.i16(param(6)), r.i16(param(5)), r.i16(param(4)));
        pb.image(dest, dibAt(r, param(8)),
                 QRectF(r.i16(param(3)), r.i16(param(2)), dest.width(), dest.height()), rop);
        break;
    }
    case 0x0B41: { // DIBSTRETCHBLT: rop(2), [reserved without a DIB], srcH, srcW, ySrc, xSrc,
                   // destH, destW, yDest, xDest, [DIB]
        const quint32 rop = r.u32(param(0));
        if (r.size() <= 2 * (3 + 11)) {
            const int d = r.size() == 2 * (3 + 11) ? 1 : 0;
            pb.patternBlit(QRectF(r.i16(param(9 + d)), r.i16(param(8 + d)), r.i16(param(7 + d)),
                                  r.i16(param(6 + d))),
                           rop);
            break;
        }
        const QRectF dest(r.i16(param(9)), r.i16(param(8)), r.i16(param(7)), r.i16(param(6)));
        const QRectF source(r.i16(param(5)), r.i16(param(4)), r.i16(param(3)), r.i16(param(2)));
        pb.image(dest, dibAt(r, param(10)), source, rop);
        break;
    }
    case 0x0F43: { // STRETCHDIB: rop(2), usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest,
                   // DIB
        const QRectF dest(r.i16(param(10)), r.i16(param(9)), r.i16(param(8)), r.i16(param(7)));
        QRectF source(r.i16(param(6)), r.i16(param(5)), r.i16(param(4)), r.i16(param(3)));
        const QImage image = dibAt(r, param(11));
        if (!image.isNull()) // DIB rows count from the bottom
            source.moveTop(image.height() - source.bottom());
        pb.image(dest, image, source, r.u32(param(0)));
        break;
    }
    case 0x061D: // PATBLT: rop(2), height, width, y, x
        pb.patternBlit(QRectF(r.i16(param(5)), r.i16(param(4)), r.i16(param(3)), r.i16(param(2))),
                       r.u32(param(0)));
        break;
    default:
        break; // escapes, palettes and records without a visible effect
    }
    return true;
}

template <typename F> void forEachRecord(QByteArrayView data, qsizetype at, F f) {
    while (at + 6 <= data.size()) {
        const RecordReader head(data.sliced(at));
        const quint64 bytes = quint64(head.u32(0)) * 2;
        if (bytes < 6 || bytes > quint64(data.size() - at))
            return;
        const RecordReader r(data.sliced(at, qsizetype(bytes)));
        at += qsizetype(bytes);
        if (!f(r, head.u16(4)))
            return;
    }
}

} // namespace

bool readWmfHeader(QByteArrayView data, WmfHeader& header) {
    const RecordReader r(data);
    qsizetype at = 0;
    if (r.u32(0) == kPlaceableKey) {
        const QRectF box(QPointF(r.i16(6), r.i16(8)), QPointF(r.i16(10), r.i16(12)));
        if (box.normalized().width() < 1 || box.normalized().height() < 1)
            return false;
        header.bounds = box.normalized();
        header.unitsPerInch = r.u16(14);
        at = 22;
    }
    const quint16 type = r.u16(at);
    const quint16 headerWords = r.u16(at + 2);
    if ((type != 1 && type != 2) || headerWords != 9 || !r.has(at, 18))
        return false;
    header.recordsAt = at + 18;
    // Every record lies inside the file, up to META_EOF.
    qsizetype p = header.recordsAt;
    bool ended = false;
    while (p + 6 <= data.size()) {
        const quint64 bytes = quint64(r.u32(p)) * 2;
        if (bytes < 6 || bytes > quint64(data.size() - p))
            return false;
        const quint16 function = r.u16(p + 4);
        p += qsizetype(bytes);
        if (function == 0) {
            ended = true;
            break;
        }
    }
    return ended || p == data.size();
}

QRectF wmfFrame(QByteArrayView data, const WmfHeader& header) {
    if (header.bounds)
        return *header.bounds;
    // The window the records set up, where they do.
    std::optional<QPointF> org;
    std::optional<QSizeF> ext;
    forEachRecord(data, header.recordsAt, [&](const RecordReader& r, quint16 function) {
        if (function == 0x020B && !org)
            org = pointYX(r, 0);
        if (function == 0x020C && !ext)
            ext = QSizeF(QPointF(pointYX(r, 0)).x(), QPointF(pointYX(r, 0)).y());
        return function != 0;
    });
    if (ext && std::abs(ext->width()) >= 1 && std::abs(ext->height()) >= 1)
        return QRectF(org.value_or(QPointF()), *ext).normalized();
    // Else what the records draw.
    Playback measure(nullptr, QTransform(), QRectF());
    forEachRecord(data, header.recordsAt, [&](const RecordReader& r, quint16 function) {
        return playRecord(r, function, measure);
    });
    return measure.measured();
}

void playWmf(QByteArrayView data, const WmfHeader& header, const QRectF& frame, Playback& pb) {
    // The frame is the device: the window the records set maps onto it.
    pb.state.mapMode = 8;
    pb.state.viewportOrg = frame.topLeft();
    pb.state.viewportExt = frame.size();
    pb.state.windowOrg = frame.topLeft();
    pb.state.windowExt = frame.size();
    forEachRecord(data, header.recordsAt, [&](const RecordReader& r, quint16 function) {
        if (function == 0x0103 || function == 0x020D || function == 0x020E || function == 0x0211 ||
            function == 0x0412)
            return true; // the mapping mode and viewport are the player's
        return playRecord(r, function, pb);
    });
}

} // namespace picture::metafile
