#include "picture/BmpDecoder.h"

#include "picture/Picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdint>

namespace picture {

namespace {

// Larger pictures are refused rather than allocated.
constexpr qint64 kMaxPixels = 256LL * 1024 * 1024;

enum Compression : quint32 {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    Jpeg = 4,
    Png = 5,
    AlphaBitFields = 6
};

[[noreturn]] void invalid() {
    throw PictureError(QStringLiteral("Bitmap image is not valid"));
}

quint16 u16(QByteArrayView d, qsizetype at) {
    if (at < 0 || at + 2 > d.size())
        invalid();
    return qFromLittleEndian<quint16>(d.data() + at);
}

quint32 u32(QByteArrayView d, qsizetype at) {
    if (at < 0 || at + 4 > d.size())
        invalid();
    return qFromLittleEndian<quint32>(d.data() + at);
}

struct Info {
    quint32 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: top-down
    int bitCount = 0;
    quint32 compression = Rgb;
    quint32 colorsUsed = 0;
    bool core = false;
};

Info readInfo(QByteArrayView dib) {
    Info info;
    info.headerSize = u32(dib, 0);
    switch (info.headerSize) {
    case 12: // OS/2 1.x core header
        info.core = true;
        info.width = u16(dib, 4);
        info.height = qint16(u16(dib, 6));
        if (u16(dib, 8) != 1)
            invalid();
        info.bitCount = u16(dib, 10);
        break;
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
        info.width = qint32(u32(dib, 4));
        info.height = qint32(u32(dib, 8));
        if (u16(dib, 12) != 1)
            invalid();
        info.bitCount = u16(dib, 14);
        info.compression = u32(dib, 16);
        info.colorsUsed = u32(dib, 32);
        break;
    default:
        invalid();
    }
    if (info.width <= 0 || info.height == 0 || info.height == INT32_MIN)
        invalid();
    if (info.width * std::abs(info.height) > kMaxPixels)
        invalid();
    switch (info.bitCount) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        invalid();
    }
    return info;
}

qint64 colorTableEntries(const Info& info) {
    if (info.bitCount > 8)
        return info.colorsUsed;
    const qint64 full = qint64(1) << info.bitCount;
    if (info.colorsUsed == 0)
        return full;
    if (info.colorsUsed > full)
        invalid();
    return info.colorsUsed;
}

// Walks RLE data and checks that it stays inside the picture and the data.
void checkRle(QByteArrayView bits, const Info& info) {
    const qint64 width = info.width;
    const qint64 height = info.height;
    const bool four = info.compression == Rle4;
    qint64 x = 0, y = 0;
    qsizetype i = 0;
    while (i + 1 < bits.size()) {
        const quint8 count = quint8(bits[i]);
        const quint8 value = quint8(bits[i + 1]);
        i += 2;
        if (count > 0) {
            x += count;
            if (x > width)
                invalid();
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return;
        case 2: // delta
            if (i + 2 > bits.size())
                invalid();
            x += quint8(bits[i]);
            y += quint8(bits[i + 1]);
            i += 2;
            if (x > width || y > height)
                invalid();
            break;
        default: { // absolute run
            const qint64 bytes = four ? (value + 1) / 2 : value;
            x += value;
            if (x > width)
                invalid();
            i += qsizetype((bytes + 1) & ~qint64(1));
            if (i > bits.size())
                invalid();
        }
        }
        if (y > height)
            invalid();
    }
    // Running out of data without an end-of-bitmap leaves the rest blank.
}

QImage decode(QByteArray file) {
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        invalid();
    // Bitmaps are drawn opaque.
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage decodeBmpFile(QByteArrayView file) {
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        invalid();
    const quint32 offset = u32(file, 10);
    const QByteArrayView dib = file.sliced(14);
    const Info info = readInfo(dib);

    qint64 masks = 0;
    if (info.compression == BitFields || info.compression == AlphaBitFields) {
        if (info.bitCount != 16 && info.bitCount != 32)
            invalid();
        masks = info.headerSize == 40 ? (info.compression == BitFields ? 12 : 16) : 0;
        const qsizetype at = 40;
        if (u32(dib, at) == 0 || u32(dib, at + 4) == 0 || u32(dib, at + 8) == 0)
            invalid(); // a colour channel without bits
    } else if (info.compression == Rle8 || info.compression == Rle4) {
        if (info.height < 0 || info.bitCount != (info.compression == Rle8 ? 8 : 4))
            invalid();
    } else if (info.compression != Rgb) {
        invalid();
    }
    const qint64 entrySize = info.core ? 3 : 4;
    const qint64 table = colorTableEntries(info) * entrySize;
    if (table > 4 * 65536)
        invalid();
    if (14 + qint64(info.headerSize) + masks + table > file.size())
        invalid();
    if (offset < 14 + info.headerSize || offset > file.size())
        invalid();

    const QByteArrayView bits = file.sliced(offset);
    if (info.compression == Rle8 || info.compression == Rle4) {
        checkRle(bits, info);
    } else {
        const qint64 stride = ((info.width * info.bitCount + 31) / 32) * 4;
        if (stride * std::abs(info.height) > bits.size())
            invalid(); // cut short
    }
    return decode(file.toByteArray());
}

QImage decodeDib(QByteArrayView header, QByteArrayView bits) {
    if (header.size() < 12)
        invalid();
    QByteArray file;
    file.reserve(14 + header.size() + bits.size());
    const quint32 offset = quint32(14 + header.size());
    const quint32 total = quint32(offset + bits.size());
    char fileHeader[14] = {'B', 'M'};
    qToLittleEndian<quint32>(total, fileHeader + 2);
    qToLittleEndian<quint32>(offset, fileHeader + 10);
    file.append(fileHeader, 14);
    file.append(header.data(), header.size());
    file.append(bits.data(), bits.size());
    return decodeBmpFile(file);
}

} // namespace picture
