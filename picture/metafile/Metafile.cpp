#include "picture/metafile/Metafile.h"

#include "picture/Picture.h"
#include "picture/metafile/EmfPlayer.h"
#include "picture/metafile/Playback.h"
#include "picture/metafile/WmfPlayer.h"

#include <QPainter>

namespace picture {

namespace {

[[noreturn]] void invalid() {
    throw PictureError(QStringLiteral("Metafile is not valid"));
}

// A transform that maps `from` onto `to`, proportions not kept.
QTransform mapRect(const QRectF& from, const QRectF& to) {
    return QTransform::fromTranslate(-from.left(), -from.top()) *
           QTransform::fromScale(to.width() / from.width(), to.height() / from.height()) *
           QTransform::fromTranslate(to.left(), to.top());
}

class EmfMetafile final : public Metafile {
public:
    EmfMetafile(QByteArray data, metafile::EmfHeader header)
        : m_data(std::move(data))
        , m_header(header) {}
    Format format() const override { return Format::Emf; }
    QSize sizeInPixels() const override { return m_header.sizeInPixels96.toSize(); }
    void play(QPainter& painter, const QRectF& target) const override {
        painter.save();
        metafile::Playback playback(&painter, mapRect(m_header.frameDevice, target), target);
        metafile::playEmf(m_data, m_header, playback);
        painter.restore();
    }

private:
    QByteArray m_data;
    metafile::EmfHeader m_header;
};

class WmfMetafile final : public Metafile {
public:
    WmfMetafile(QByteArray data, metafile::WmfHeader header, QRectF frame)
        : m_data(std::move(data))
        , m_header(header)
        , m_frame(frame) {}
    Format format() const override { return Format::Wmf; }
    QSize sizeInPixels() const override {
        if (m_header.bounds && m_header.unitsPerInch > 0)
            return (m_frame.size() * 96.0 / m_header.unitsPerInch).toSize().expandedTo({1, 1});
        return m_frame.size().toSize().expandedTo({1, 1});
    }
    void play(QPainter& painter, const QRectF& target) const override {
        painter.save();
        metafile::Playback playback(&painter, mapRect(m_frame, target), target);
        metafile::playWmf(m_data, m_header, m_frame, playback);
        painter.restore();
    }

private:
    QByteArray m_data;
    metafile::WmfHeader m_header;
    QRectF m_frame;
};

} // namespace

std::shared_ptr<const Metafile> Metafile::load(const QByteArray& data, Format format) {
    if (format == Format::Emf) {
        metafile::EmfHeader header;
        if (!metafile::readEmfHeader(data, header))
            invalid();
        return std::make_shared<EmfMetafile>(data, header);
    }
    metafile::WmfHeader header;
    if (!metafile::readWmfHeader(data, header))
        invalid();
    const QRectF frame = metafile::wmfFrame(data, header);
    if (!(frame.width() >= 1 && frame.height() >= 1) || frame.width() > 1e7 || frame.height() > 1e7)
        invalid(); // nothing to show, or no size to show it at
    return std::make_shared<WmfMetafile>(data, header, frame);
}

} // namespace picture
