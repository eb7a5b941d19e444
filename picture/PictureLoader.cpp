#include "picture/PictureLoader.h"

namespace picture {

const QList<PictureFormat>& pictureFormats()
{
    static const QList<PictureFormat> formats = {
        {"jpg", "JPEG Image File"}, {"jpeg", "JPEG Image File"}, {"bmp", "Bitmaps"},
        {"ico", "Icons"},           {"emf", "Enhanced Metafiles"}, {"wmf", "Metafiles"},
    };
    return formats;
}

QStringList pictureFileFilters()
{
    QStringList patterns;
    QStringList filters;
    for (const auto& f : pictureFormats()) {
        patterns << QStringLiteral("*.") + f.extension;
        filters << QStringLiteral("%1 (*.%2)").arg(f.description, f.extension);
    }
    filters.prepend(QStringLiteral("All (%1)").arg(patterns.join(QLatin1Char(';'))));
    return filters;
}

Picture loadPictureFile(const QString&)
{
    throw PictureError(QStringLiteral("not implemented"));
}

} // namespace picture
