#pragma once

#include "toolkit/Error.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QPainter;

namespace picture {

// Thrown by the decoders; message() is what the user sees.
class PictureError : public toolkit::Error {
public:
    using toolkit::Error::Error;
    const char* className() const noexcept override { return "EInvalidGraphic"; }
};

class Metafile; // picture/metafile/Metafile.h

// A background or element picture: empty, a raster (JPEG or bitmap, drawn
// stretched), an icon (drawn at its own size) or a metafile (played stretched).
// Copies share their data.
class Picture {
public:
    enum class Kind { Empty, Raster, Icon, Metafile };

    Picture() = default;
    static Picture fromRaster(QImage image, QSize naturalSize = {});
    static Picture fromIcon(QImage image);
    static Picture fromMetafile(std::shared_ptr<const Metafile> metafile);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    // The picture's own size: the file's pixel size for rasters and icons,
    // the metafile's frame in pixels for metafiles.
    QSize size() const;
    // Rasters: the decoded pixels (may be smaller than size() when the
    // decoder scaled a large file down). Icons: the chosen image.
    const QImage& image() const { return m_image; }
    const Metafile* metafile() const { return m_metafile.get(); }

    // Rasters and metafiles fill `target`; an icon is drawn at its own size
    // at target.topLeft(); an empty picture draws nothing.
    void draw(QPainter& painter, const QRect& target) const;

    // A decoder that lost pixels of a damaged file leaves its message here;
    // the first draw reports it once (the caller takes it and shows it).
    void setDeferredError(QString message);
    std::optional<QString> takeDeferredError() const;

private:
    Kind m_kind = Kind::Empty;
    QImage m_image;
    QSize m_naturalSize;
    std::shared_ptr<const Metafile> m_metafile;
    struct Deferred {
        QString message;
        bool reported = false;
    };
    std::shared_ptr<Deferred> m_deferred;
};

} // namespace picture
