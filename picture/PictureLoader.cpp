#include "picture/PictureLoader.h"

#include "picture/BmpDecoder.h"
#include "picture/IcoDecoder.h"
#include "picture/JpegDecoder.h"
#include "picture/metafile/Metafile.h"

#include <QFile>
#include <QFileInfo>

namespace picture {

namespace {

// Files larger than this are not pictures a label needs.
constexpr qint64 kMaxFileSize = 512LL * 1024 * 1024;

QByteArray readWhole(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        throw PictureError(QStringLiteral("Cannot open file %1").arg(fileName));
    return file.readAll();
}

} // namespace

const QList<PictureFormat>& pictureFormats() {
    static const QList<PictureFormat> formats = {
        {"jpg", "JPEG Image File"}, {"jpeg", "JPEG Image File"},   {"bmp", "Bitmaps"},
        {"ico", "Icons"},           {"emf", "Enhanced Metafiles"}, {"wmf", "Metafiles"},
    };
    return formats;
}

QStringList pictureFileFilters() {
    QStringList patterns;
    QStringList filters;
    for (const auto& f : pictureFormats()) {
        patterns << QStringLiteral("*.") + f.extension;
        filters << QStringLiteral("%1 (*.%2)").arg(f.description, f.extension);
    }
    filters.prepend(QStringLiteral("All (%1)").arg(patterns.join(QLatin1Char(';'))));
    return filters;
}

QString pictureExtension(const QString& fileName) {
    // The extension of the file's own name: folders do not count.
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

Picture loadPictureFile(const QString& fileName) {
    const QString extension = pictureExtension(fileName);
    if (extension.isEmpty())
        return Picture(); // no extension: an empty picture, the file is not read
    const QString ext = extension.toLower();
    if (ext == u"jpg" || ext == u"jpeg")
        return decodeJpeg(readWhole(fileName));
    if (ext == u"bmp")
        return Picture::fromRaster(decodeBmpFile(readWhole(fileName)));
    if (ext == u"ico")
        return Picture::fromIcon(decodeIcoFile(readWhole(fileName)));
    if (ext == u"emf")
        return Picture::fromMetafile(Metafile::load(readWhole(fileName), Metafile::Format::Emf));
    if (ext == u"wmf")
        return Picture::fromMetafile(Metafile::load(readWhole(fileName), Metafile::Format::Wmf));
    throw PictureError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}

} // namespace picture
