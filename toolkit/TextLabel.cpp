#include "toolkit/TextLabel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

namespace {
constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::TextExpandTabs;
}

TextLabel::TextLabel(QWidget* parent)
    : GraphicElement(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    fontChanged();
}

QSize TextLabel::measure(const QString& text, const QFont& font) {
    // An empty text measures as one space, so the label keeps a line's height.
    const QString measured = text.isEmpty() ? QStringLiteral(" ") : text;
    return QFontMetrics(font).size(kTextFlags, measured);
}

void TextLabel::setText(const QString& text) {
    if (text == m_text)
        return; // the same text does not re-measure
    m_text = text;
    adjustSize();
    update();
}

void TextLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void TextLabel::setFontRecord(const FontRecord& font) {
    m_font = font;
    fontChanged();
}

void TextLabel::setFontFace(const QString& face) {
    m_font.face = face;
    fontChanged();
}

void TextLabel::setFontHeight(int height) {
    m_font.height = height;
    fontChanged();
}

void TextLabel::setFontCharset(int charset) {
    m_font.charset = charset;
}

void TextLabel::setFontColor(const QColor& color) {
    m_font.color = color;
    update();
}

void TextLabel::setFontBold(bool bold) {
    m_font.bold = bold;
    fontChanged();
}

void TextLabel::setFontUnderline(bool underline) {
    m_font.underline = underline;
    fontChanged();
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    GraphicElement::mouseReleaseEvent(event);
}

void TextLabel::fontChanged() {
    setFont(m_font.toQFont());
    adjustSize();
    update();
}

void TextLabel::adjustSize() {
    resize(measure(m_text, font()));
}

void TextLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(m_font.color);
    const Qt::Alignment horizontal = m_alignment & Qt::AlignHorizontal_Mask;
    painter.drawText(rect(), int(horizontal | Qt::AlignTop) | kTextFlags, m_text);
}

} // namespace toolkit
