#pragma once

#include <QByteArrayView>
#include <QRectF>
#include <optional>

namespace picture::metafile {

class Playback;

struct WmfHeader {
    qsizetype recordsAt = 0;      // where the records start
    std::optional<QRectF> bounds; // placeable files: the picture's box in logical units
    int unitsPerInch = 0;         // placeable files
};

// Checks a WMF file's structure: the placeable header's key when there is
// one, the metafile header, and that every record lies inside the file.
bool readWmfHeader(QByteArrayView data, WmfHeader& header);

// The logical frame the records draw in: the placeable bounds, else the
// window the records set, else what they draw.
QRectF wmfFrame(QByteArrayView data, const WmfHeader& header);

void playWmf(QByteArrayView data, const WmfHeader& header, const QRectF& frame, Playback& playback);

} // namespace picture::metafile
