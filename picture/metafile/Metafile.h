#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <memory>

class QPainter;

namespace picture {

// A parsed Windows metafile (EMF or WMF), ready to be played onto a QPainter.
class Metafile {
public:
    enum class Format { Emf, Wmf };

    virtual ~Metafile() = default;

    // Validates and parses `data`. Throws PictureError("Metafile is not valid")
    // for anything that is not a well-formed metafile of that format.
    static std::shared_ptr<const Metafile> load(const QByteArray& data, Format format);

    virtual Format format() const = 0;
    // The frame the metafile draws in, in its own logical units, and its size
    // in pixels at 96 pixels per inch.
    virtual QSize sizeInPixels() const = 0;

    // Plays the records so that the metafile's frame maps onto `target`
    // (proportions not kept). Draws only what the records draw.
    virtual void play(QPainter& painter, const QRectF& target) const = 0;
};

} // namespace picture
