#pragma once

#include <QByteArrayView>
#include <QRectF>
#include <QSizeF>

namespace picture::metafile {

class Playback;

// What the EMF header says about the picture.
struct EmfHeader {
    QRectF frameDevice;    // the picture's frame in reference-device pixels
    QSizeF devicePerMm;    // reference-device pixels per millimetre
    QSizeF sizeInPixels96; // the frame at 96 pixels per inch
};

// Checks an EMF file's structure: header, signature, sizes, and that every
// record lies inside the file. Returns false for anything else.
bool readEmfHeader(QByteArrayView data, EmfHeader& header);

// Plays the records; records it cannot use are skipped.
void playEmf(QByteArrayView data, const EmfHeader& header, Playback& playback);

} // namespace picture::metafile
