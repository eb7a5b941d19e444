#pragma once

#include "picture/Picture.h"

#include <QByteArrayView>

namespace picture {

// The longest side a decoded background keeps: the 450-pixel panel printed
// at 300 dots per inch needs 1406 pixels.
inline constexpr int kJpegCoverSide = 1406;

// Decodes a JPEG file with libjpeg. Damage in the headers throws
// PictureError("JPEG error #N"); damage in the image data keeps what could be
// decoded and leaves "JPEG error #N" as the picture's deferred error. Large
// pictures are decoded at the smallest DCT scale that still covers
// `coverSide` pixels per side and then resized to at most that.
Picture decodeJpeg(QByteArrayView data, int coverSide = kJpegCoverSide);

} // namespace picture
