#pragma once

#include "picture/Picture.h"

#include <QString>
#include <QStringList>

namespace picture {

// One registered picture format of the open-picture dialog.
struct PictureFormat {
    QString extension;   // without the dot, lower case
    QString description; // e.g. "JPEG Image File"
};

// The registered formats in the dialog's order: jpg, jpeg, bmp, ico, emf, wmf.
const QList<PictureFormat>& pictureFormats();

// The dialog's file-type list: "All (*.jpg;*.jpeg;...)" first, then one entry
// per format ("JPEG Image File (*.jpg)", ...).
QStringList pictureFileFilters();

// The extension of the file's own name after its last "." (as written), or
// an empty string.
QString pictureExtension(const QString& fileName);

// Loads a picture file, choosing the decoder by the extension of the file's own
// name (case-insensitive). Throws PictureError with the user-facing message:
// "Unknown picture file extension (.%s)", "Cannot open file %s",
// "Bitmap image is not valid", "Icon image is not valid",
// "Metafile is not valid" or "JPEG error #%d".
// A name without extension gives an empty picture without reading the file.
Picture loadPictureFile(const QString& fileName);

} // namespace picture
