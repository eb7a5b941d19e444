#include "toolkit/PictureElement.h"

#include "picture/PictureLoader.h"
#include "toolkit/Application.h"

#include <QPainter>
#include <QTimer>

namespace toolkit {

PictureElement::PictureElement(QWidget* parent)
    : GraphicElement(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureElement::setPicture(const picture::Picture& picture) {
    m_picture = picture;
    applyAutoSize();
    update();
}

void PictureElement::setStretch(bool stretch) {
    m_stretch = stretch;
    update();
}

void PictureElement::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    applyAutoSize();
}

void PictureElement::setPictureResource(const QString& path) {
    m_resource = path;
    setPicture(picture::loadPictureFile(path));
}

void PictureElement::applyAutoSize() {
    if (m_autoSize && !m_picture.isEmpty())
        resize(m_picture.size());
}

void PictureElement::paintEvent(QPaintEvent*) {
    if (m_picture.isEmpty())
        return;
    QPainter painter(this);
    const bool fill = m_stretch && m_picture.kind() != picture::Picture::Kind::Icon;
    const QRect target = fill ? rect() : QRect(QPoint(0, 0), m_picture.size());
    m_picture.draw(painter, target);

    // Pixels lost in a damaged file are reported once, when first drawn.
    if (auto message = m_picture.takeDeferredError()) {
        QTimer::singleShot(0, qApp, [message = *message] {
            if (auto* app = Application::instance())
                app->showErrorMessage(message);
        });
    }
}

} // namespace toolkit
