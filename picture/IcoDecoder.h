#pragma once

#include <QByteArrayView>
#include <QImage>

namespace picture {

// Decodes a Windows icon file and returns the image it shows: the 32 × 32
// entry where there is one (the deepest colour among several), otherwise the
// largest. Throws PictureError("Icon image is not valid") on bad content.
QImage decodeIcoFile(QByteArrayView file);

} // namespace picture
