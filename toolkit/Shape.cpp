#include "toolkit/Shape.h"

#include <QPainter>
#include <algorithm>

namespace toolkit {

Shape::Shape(QWidget* parent)
    : GraphicElement(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::setShapeType(ShapeType type) {
    m_type = type;
    update();
}

void Shape::setPenStyle(Qt::PenStyle style) {
    m_penStyle = style;
    update();
}

void Shape::setPenWidth(int width) {
    m_penWidth = std::max(0, width);
    update();
}

void Shape::setPenColor(const QColor& color) {
    m_penColor = color;
    update();
}

void Shape::setBrushColor(const QColor& color) {
    m_brushColor = color;
    update();
}

QRect Shape::figureBox() const {
    const int p = m_penWidth;
    return QRect(p / 2, p / 2, width() - p + 1, height() - p + 1);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Half-pixel outlines with antialiasing hit whole pixels exactly.
    painter.setRenderHint(QPainter::Antialiasing);
    QRect box = figureBox();
    if (m_type == Circle) {
        const int side = std::min(box.width(), box.height());
        box = QRect(box.x() + (box.width() - side) / 2, box.y() + (box.height() - side) / 2, side,
                    side);
    }
    // The outline runs along the inside of the box: the pen's centre line is
    // half a pen inside the box's edges.
    const double inset = m_penWidth / 2.0;
    const QRectF outline = QRectF(box).adjusted(inset, inset, -inset, -inset);

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_brushColor);
    if (m_type == Circle)
        painter.drawEllipse(outline);
    else
        painter.fillRect(box, m_brushColor);

    if (m_penWidth == 0 || m_penStyle == Qt::NoPen)
        return;
    QPen pen(m_penColor, m_penWidth, m_penStyle, Qt::FlatCap, Qt::MiterJoin);
    if (m_penStyle != Qt::SolidLine) {
        // Gaps between dashes show the brush colour.
        painter.setPen(QPen(m_brushColor, m_penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        if (m_type == Circle)
            painter.drawEllipse(outline);
        else
            painter.drawRect(outline);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (m_type == Circle)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
}

} // namespace toolkit
