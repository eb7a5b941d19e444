#pragma once

#include <QPointer>
#include <QWidget>

#include <QMenu>

namespace toolkit {

// A graphic element of the design panel: drawn on the panel, never takes the
// keyboard focus. A right-click opens the element's popup menu, or passes on
// to the panel (and from there to the window) when it has none.
class GraphicElement : public QWidget {
    Q_OBJECT
public:
    explicit GraphicElement(QWidget* parent = nullptr);

    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    QMenu* popupMenu() const { return m_popupMenu; }

    // Position and size in the panel's coordinates, as the commands set them.
    void setLeft(int left) { move(left, y()); }
    void setWidth(int width) { resize(width, height()); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPointer<QMenu> m_popupMenu;
};

} // namespace toolkit
