#include "picture/metafile/GdiState.h"

#include <QStringDecoder>

namespace picture::metafile {

bool ObjectTable::addToFreeSlot(GdiObject object) {
    for (auto& slot : m_objects)
        if (std::holds_alternative<std::monostate>(slot)) {
            slot = std::move(object);
            return true;
        }
    if (m_objects.size() >= kMaxObjects)
        return false;
    m_objects.push_back(std::move(object));
    return true;
}

bool ObjectTable::set(std::size_t index, GdiObject object) {
    if (index >= kMaxObjects)
        return false;
    if (index >= m_objects.size())
        m_objects.resize(index + 1);
    m_objects[index] = std::move(object);
    return true;
}

const GdiObject* ObjectTable::get(std::size_t index) const {
    if (index >= m_objects.size() || std::holds_alternative<std::monostate>(m_objects[index]))
        return nullptr;
    return &m_objects[index];
}

void ObjectTable::remove(std::size_t index) {
    if (index < m_objects.size())
        m_objects[index] = std::monostate{};
}

QPen toQPen(const GdiPen& gdi, double logicalToDevice) {
    const int style = gdi.style & 0x0F;
    if (style == 5) // PS_NULL
        return QPen(Qt::NoPen);
    QPen pen(gdi.color);
    const double width = gdi.width * logicalToDevice;
    if (width <= 1.0) {
        pen.setWidthF(1.0);
        pen.setCosmetic(true);
    } else {
        pen.setWidthF(gdi.width);
    }
    switch (style) {
    case 1:
        pen.setStyle(Qt::DashLine);
        break;
    case 2:
        pen.setStyle(Qt::DotLine);
        break;
    case 3:
        pen.setStyle(Qt::DashDotLine);
        break;
    case 4:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    switch (gdi.style & 0x0F00) {
    case 0x0100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (gdi.style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    return pen;
}

QBrush toQBrush(const GdiBrush& gdi) {
    switch (gdi.style) {
    case 1: // BS_NULL
        return QBrush(Qt::NoBrush);
    case 2: { // BS_HATCHED
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(gdi.color, hatches[std::clamp(gdi.hatch, 0, 5)]);
    }
    case 3:
    case 5: // BS_PATTERN, BS_DIBPATTERN
        if (!gdi.pattern.isNull())
            return QBrush(gdi.pattern);
        return QBrush(gdi.color);
    default:
        return QBrush(gdi.color);
    }
}

QString faceFor(const GdiFont& font) {
    switch (font.charset) {
    case 128: // SHIFTJIS
        return QStringLiteral("Noto Sans CJK JP");
    case 129: // HANGUL
        return QStringLiteral("Noto Sans CJK KR");
    case 134: // GB2312
        return QStringLiteral("Noto Serif CJK SC");
    case 136: // CHINESEBIG5
        return QStringLiteral("Noto Sans CJK TC");
    default:
        break;
    }
    if (font.face.isEmpty())
        return QStringLiteral("DejaVu Sans");
    return font.face; // the font substitutions cover the usual Windows faces
}

QString decodeText(QByteArrayView bytes, int charset) {
    const char* codec = nullptr;
    switch (charset) {
    case 128:
        codec = "Shift_JIS";
        break;
    case 129:
        codec = "EUC-KR";
        break;
    case 134:
        codec = "GBK";
        break;
    case 136:
        codec = "Big5";
        break;
    case 161:
        codec = "windows-1253";
        break;
    case 162:
        codec = "windows-1254";
        break;
    case 177:
        codec = "windows-1255";
        break;
    case 178:
        codec = "windows-1256";
        break;
    case 186:
        codec = "windows-1257";
        break;
    case 204:
        codec = "windows-1251";
        break;
    case 238:
        codec = "windows-1250";
        break;
    default:
        codec = "windows-1252";
        break;
    }
    QStringDecoder decoder(codec);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), bytes.size());
    return decoder.decode(bytes);
}

} // namespace picture::metafile
