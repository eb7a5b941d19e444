#include "picture/Picture.h"

#include "picture/metafile/Metafile.h"

#include <QPainter>

namespace picture {

Picture Picture::fromRaster(QImage image, QSize naturalSize) {
    Picture p;
    p.m_kind = Kind::Raster;
    p.m_naturalSize = naturalSize.isValid() ? naturalSize : image.size();
    p.m_image = std::move(image);
    return p;
}

Picture Picture::fromIcon(QImage image) {
    Picture p;
    p.m_kind = Kind::Icon;
    p.m_naturalSize = image.size();
    p.m_image = std::move(image);
    return p;
}

Picture Picture::fromMetafile(std::shared_ptr<const Metafile> metafile) {
    Picture p;
    p.m_kind = Kind::Metafile;
    p.m_naturalSize = metafile->sizeInPixels();
    p.m_metafile = std::move(metafile);
    return p;
}

QSize Picture::size() const {
    return m_naturalSize;
}

void Picture::draw(QPainter& painter, const QRect& target) const {
    switch (m_kind) {
    case Kind::Empty:
        return;
    case Kind::Raster:
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(target), m_image);
        painter.restore();
        return;
    case Kind::Icon:
        painter.drawImage(target.topLeft(), m_image);
        return;
    case Kind::Metafile:
        painter.save();
        painter.setClipRect(target, Qt::IntersectClip);
        m_metafile->play(painter, QRectF(target));
        painter.restore();
        return;
    }
}

void Picture::setDeferredError(QString message) {
    m_deferred = std::make_shared<Deferred>(Deferred{std::move(message), false});
}

std::optional<QString> Picture::takeDeferredError() const {
    if (!m_deferred || m_deferred->reported)
        return std::nullopt;
    m_deferred->reported = true;
    return m_deferred->message;
}

} // namespace picture
