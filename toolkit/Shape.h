#pragma once

#include "toolkit/Element.h"

#include <QColor>

namespace toolkit {

// A shape element with a pen and a brush: a rectangle, or a circle in the
// centred square of its box. For a pen width p the figure's box starts at
// (p div 2, p div 2) and is (width - p + 1) × (height - p + 1) pixels; the
// gaps of a dashed pen are painted in the brush colour.
class Shape : public GraphicElement {
    Q_OBJECT
    Q_PROPERTY(ShapeType shapeType READ shapeType WRITE setShapeType)
    Q_PROPERTY(Qt::PenStyle penStyle READ penStyle WRITE setPenStyle)
    Q_PROPERTY(int penWidth READ penWidth WRITE setPenWidth)
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor)
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)
public:
    enum ShapeType { Rectangle, Circle };
    Q_ENUM(ShapeType)

    explicit Shape(QWidget* parent = nullptr);

    ShapeType shapeType() const { return m_type; }
    void setShapeType(ShapeType type);
    Qt::PenStyle penStyle() const { return m_penStyle; }
    void setPenStyle(Qt::PenStyle style);
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor& color);
    QColor brushColor() const { return m_brushColor; }
    void setBrushColor(const QColor& color);

    // The figure's box within the element (before the circle's squaring).
    QRect figureBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeType m_type = Rectangle;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    int m_penWidth = 1;
    QColor m_penColor = Qt::black;
    QColor m_brushColor = Qt::white;
};

} // namespace toolkit
