#include "picture/metafile/Metafile.h"

#include "picture/Picture.h"

namespace picture {

std::shared_ptr<const Metafile> Metafile::load(const QByteArray&, Format)
{
    throw PictureError(QStringLiteral("Metafile is not valid"));
}

} // namespace picture
