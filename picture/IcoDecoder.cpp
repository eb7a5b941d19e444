#include "picture/IcoDecoder.h"

#include "picture/BmpDecoder.h"
#include "picture/Picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <optional>

namespace picture {

namespace {

constexpr int kPreferredSide = 32;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

[[noreturn]] void invalid() {
    throw PictureError(QStringLiteral("Icon image is not valid"));
}

struct Entry {
    int width; // from the directory (0 means 256)
    int height;
    int bitCount;
    quint32 size;
    quint32 offset;
};

// An icon entry's image: PNG, or a DIB whose height counts the XOR bitmap
// and the AND mask together.
QImage decodeEntry(QByteArrayView file, const Entry& e) {
    const QByteArrayView data = file.sliced(e.offset, e.size);
    if (data.startsWith("\x89PNG")) {
        QByteArray bytes = data.toByteArray();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        const QSize size = reader.size();
        if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels)
            invalid();
        QImage image = reader.read();
        if (image.isNull())
            invalid();
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    if (data.size() < 40)
        invalid();
    const quint32 headerSize = qFromLittleEndian<quint32>(data.data());
    if (headerSize != 40 && headerSize != 108 && headerSize != 124)
        invalid();
    const qint32 width = qFromLittleEndian<qint32>(data.data() + 4);
    const qint32 doubleHeight = qFromLittleEndian<qint32>(data.data() + 8);
    const quint16 bitCount = qFromLittleEndian<quint16>(data.data() + 14);
    const quint32 colorsUsed = qFromLittleEndian<quint32>(data.data() + 32);
    if (width <= 0 || doubleHeight <= 0 || doubleHeight % 2 != 0)
        invalid();
    const qint64 height = doubleHeight / 2;
    if (qint64(width) * height > kMaxPixels)
        invalid();
    const qint64 colors = bitCount <= 8 ? (colorsUsed ? colorsUsed : (1u << bitCount)) : 0;
    const qint64 tableEnd = headerSize + colors * 4;
    const qint64 xorStride = ((qint64(width) * bitCount + 31) / 32) * 4;
    const qint64 andStride = ((qint64(width) + 31) / 32) * 4;
    if (tableEnd + xorStride * height > data.size())
        invalid();

    const bool hasAlpha = bitCount == 32;
    QImage image;
    if (hasAlpha) {
        // BGRA rows, bottom-up, with their own alpha.
        image = QImage(width, int(height), QImage::Format_ARGB32);
        if (image.isNull())
            invalid();
        for (int y = 0; y < image.height(); ++y) {
            const uchar* src = reinterpret_cast<const uchar*>(data.data()) + tableEnd +
                               (height - 1 - y) * xorStride;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x, src += 4)
                line[x] = qRgba(src[2], src[1], src[0], src[3]);
        }
    } else {
        // The XOR bitmap as a DIB of its own height.
        QByteArray header = data.first(tableEnd).toByteArray();
        qToLittleEndian<qint32>(qint32(height), header.data() + 8);
        try {
            image = decodeDib(header, data.sliced(tableEnd, xorStride * height));
        } catch (const PictureError&) {
            invalid();
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
    }

    const qint64 maskAt = tableEnd + xorStride * height;
    const bool hasMask = maskAt + andStride * height <= data.size();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const char* mask = hasMask ? data.data() + maskAt + (height - 1 - y) * andStride : nullptr;
        for (int x = 0; x < image.width(); ++x) {
            const bool transparent = mask && (quint8(mask[x / 8]) & (0x80 >> (x % 8)));
            if (hasAlpha) {
                if (transparent && qAlpha(line[x]) == 0)
                    line[x] = 0;
            } else {
                line[x] = transparent ? 0 : (line[x] | 0xff000000u);
            }
        }
    }
    return image;
}

} // namespace

QImage decodeIcoFile(QByteArrayView file) {
    if (file.size() < 6)
        invalid();
    const quint16 reserved = qFromLittleEndian<quint16>(file.data());
    const quint16 type = qFromLittleEndian<quint16>(file.data() + 2);
    const quint16 count = qFromLittleEndian<quint16>(file.data() + 4);
    if (reserved != 0 || type != 1 || count == 0 || 6 + qint64(count) * 16 > file.size())
        invalid();

    QList<Entry> entries;
    for (int i = 0; i < count; ++i) {
        const char* d = file.data() + 6 + i * 16;
        Entry e;
        e.width = quint8(d[0]) ? quint8(d[0]) : 256;
        e.height = quint8(d[1]) ? quint8(d[1]) : 256;
        e.bitCount = qFromLittleEndian<quint16>(d + 6);
        e.size = qFromLittleEndian<quint32>(d + 8);
        e.offset = qFromLittleEndian<quint32>(d + 12);
        if (e.size == 0 || qint64(e.offset) + e.size > file.size() || e.offset < 6)
            continue; // an entry pointing outside the file is skipped
        entries << e;
    }
    if (entries.isEmpty())
        invalid();

    // Decode every usable entry, then choose.
    std::optional<QImage> best;
    int bestScore = -1;
    for (const Entry& e : std::as_const(entries)) {
        QImage image;
        try {
            image = decodeEntry(file, e);
        } catch (const PictureError&) {
            continue;
        }
        const bool preferred = image.width() == kPreferredSide && image.height() == kPreferredSide;
        const int depth = e.bitCount ? e.bitCount : 32;
        const int score = preferred ? (1 << 30) + depth : image.width() * image.height();
        if (score > bestScore) {
            bestScore = score;
            best = std::move(image);
        }
    }
    if (!best)
        invalid();
    return *best;
}

} // namespace picture
