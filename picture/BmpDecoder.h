#pragma once

#include <QByteArrayView>
#include <QImage>

namespace picture {

// Decodes a Windows bitmap file (BITMAPFILEHEADER + DIB). Checks the headers,
// the sizes and the RLE data against the file before decoding anything, so a
// damaged file throws PictureError("Bitmap image is not valid") instead of
// giving a wrong or partial picture.
QImage decodeBmpFile(QByteArrayView file);

// Decodes a packed DIB as metafile records and icons hold it: `header` is the
// info header with its colour masks and colour table, `bits` the pixel rows.
QImage decodeDib(QByteArrayView header, QByteArrayView bits);

} // namespace picture
