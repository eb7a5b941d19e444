#include "toolkit/PicturePreview.h"

#include "picture/PictureLoader.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace toolkit {

namespace {
constexpr int kPaneSide = 160;
}

PicturePreview::PicturePreview(QWidget* parent)
    : QWidget(parent)
    , m_image(new QLabel(this))
    , m_size(new QLabel(this)) {
    setObjectName(QStringLiteral("PicturePreview"));
    m_image->setObjectName(QStringLiteral("PreviewImage"));
    m_size->setObjectName(QStringLiteral("PreviewSize"));
    m_image->setFixedSize(kPaneSide, kPaneSide);
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setFrameShape(QFrame::StyledPanel);
    m_size->setAlignment(Qt::AlignCenter);
    m_size->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_image);
    layout->addWidget(m_size);
    layout->addStretch();
}

void PicturePreview::showFile(const QString& fileName) {
    m_image->clear();
    m_size->clear();
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    try {
        const picture::Picture picture = picture::loadPictureFile(fileName);
        if (picture.isEmpty())
            return;
        const QSize size = picture.size();
        QSize fitted = size.scaled(kPaneSide - 4, kPaneSide - 4, Qt::KeepAspectRatio);
        if (picture.kind() == picture::Picture::Kind::Icon)
            fitted = size.boundedTo(fitted);
        QImage canvas(fitted.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        picture.draw(painter, canvas.rect());
        painter.end();
        picture.takeDeferredError(); // the preview reports nothing
        m_image->setPixmap(QPixmap::fromImage(canvas));
        m_size->setText(QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()));
    } catch (const std::exception& e) {
        m_size->setText(QString::fromUtf8(e.what()));
    }
}

} // namespace toolkit
