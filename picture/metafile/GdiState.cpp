#include "picture/metafile/GdiState.h"

#include <QStringDecoder>
#include <QtEndian>
#include <cstring>

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

QImage monoDib(QByteArrayView header, QByteArrayView bits) {
    if (header.size() < 40)
        return {};
    const auto* h = reinterpret_cast<const uchar*>(header.data());
    const qint32 width = qFromLittleEndian<qint32>(h + 4);
    const qint32 height = qFromLittleEndian<qint32>(h + 8);
    if (qFromLittleEndian<quint16>(h + 14) != 1 || qFromLittleEndian<quint32>(h + 16) != 0 ||
        width <= 0 || width > 4096 || height == 0 || height < -4096 || height > 4096)
        return {};
    const int rows = std::abs(height);
    const qsizetype stride = (qsizetype(width) + 31) / 32 * 4;
    if (bits.size() < stride * rows)
        return {};
    QImage image(width, rows, QImage::Format_Mono);
    if (image.isNull())
        return {};
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < rows; ++y)
        std::memcpy(image.scanLine(height > 0 ? rows - 1 - y : y), bits.data() + y * stride,
                    std::size_t(std::min<qsizetype>(stride, image.bytesPerLine())));
    return image;
}

QBrush toQBrush(const GdiBrush& gdi, QColor text, QColor background) {
    if ((gdi.style == 3 || gdi.style == 5) && gdi.pattern.format() == QImage::Format_Mono) {
        QImage pattern = gdi.pattern;
        pattern.setColorTable({text.rgb(), background.rgb()});
        return QBrush(pattern);
    }
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

namespace {

// Windows' CJK faces and the stand-ins that show their text here.
struct CjkFace {
    const char16_t* name;
    const char* standIn;
};
constexpr CjkFace kCjkFaces[] = {
    {u"宋体", "Noto Serif CJK SC"},
    {u"SimSun", "Noto Serif CJK SC"},
    {u"新宋体", "Noto Serif CJK SC"},
    {u"NSimSun", "Noto Serif CJK SC"},
    {u"楷体", "Noto Serif CJK SC"},
    {u"KaiTi", "Noto Serif CJK SC"},
    {u"仿宋", "Noto Serif CJK SC"},
    {u"FangSong", "Noto Serif CJK SC"},
    {u"黑体", "Noto Sans CJK SC"},
    {u"SimHei", "Noto Sans CJK SC"},
    {u"微软雅黑", "Noto Sans CJK SC"},
    {u"Microsoft YaHei", "Noto Sans CJK SC"},
    {u"新細明體", "Noto Serif CJK TC"},
    {u"細明體", "Noto Serif CJK TC"},
    {u"PMingLiU", "Noto Serif CJK TC"},
    {u"MingLiU", "Noto Serif CJK TC"},
    {u"Microsoft JhengHei", "Noto Sans CJK TC"},
    {u"明朝", "Noto Serif CJK JP"},
    {u"Mincho", "Noto Serif CJK JP"},
    {u"ゴシック", "Noto Sans CJK JP"},
    {u"MS Gothic", "Noto Sans CJK JP"},
    {u"MS PGothic", "Noto Sans CJK JP"},
    {u"MS UI Gothic", "Noto Sans CJK JP"},
    {u"メイリオ", "Noto Sans CJK JP"},
    {u"Meiryo", "Noto Sans CJK JP"},
    {u"굴림", "Noto Sans CJK KR"},
    {u"Gulim", "Noto Sans CJK KR"},
    {u"돋움", "Noto Sans CJK KR"},
    {u"Dotum", "Noto Sans CJK KR"},
    {u"바탕", "Noto Serif CJK KR"},
    {u"Batang", "Noto Serif CJK KR"},
    {u"Malgun Gothic", "Noto Sans CJK KR"},
};

bool hasCjk(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF) ||
            (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

} // namespace

QString faceFor(const GdiFont& font) {
    for (const CjkFace& cjk : kCjkFaces)
        if (font.face.contains(QStringView(cjk.name), Qt::CaseInsensitive))
            return QString::fromLatin1(cjk.standIn);
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
    if (hasCjk(font.face)) // a face named in a CJK script
        return QStringLiteral("Noto Sans CJK JP");
    if (font.face.isEmpty())
        return QStringLiteral("DejaVu Sans");
    return font.face; // fontconfig substitutes the usual Windows faces
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
