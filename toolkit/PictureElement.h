#pragma once

#include "picture/Picture.h"
#include "toolkit/Element.h"

namespace toolkit {

// A picture element: drawn opaque, stretched to its bounds or at its natural
// size (auto-size makes the element as large as its picture). Icons always
// draw at their own size in the top-left corner.
class PictureElement : public GraphicElement {
    Q_OBJECT
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QString pictureResource READ pictureResource WRITE setPictureResource)
public:
    explicit PictureElement(QWidget* parent = nullptr);

    const picture::Picture& picture() const { return m_picture; }
    void setPicture(const picture::Picture& picture);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // Loads a built-in picture (a resource path such as ":/morvane/background.jpg").
    QString pictureResource() const { return m_resource; }
    void setPictureResource(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyAutoSize();

    picture::Picture m_picture;
    bool m_stretch = false;
    bool m_autoSize = false;
    QString m_resource;
};

} // namespace toolkit
