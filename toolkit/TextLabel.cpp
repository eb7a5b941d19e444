#include "toolkit/TextLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace toolkit {

namespace {
constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::TextExpandTabs;
}

TextLabel::TextLabel(QWidget* parent) : GraphicElement(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    fontChanged();
}

QSize TextLabel::measure(const QString& text, const QFont& font)
{
    // An empty text measures as one space, so the label keeps a line's height.
    const QString measured = text.isEmpty() ? QStringLiteral(" ") : text;
    return QFontMetrics(font).size(kTextFlags, measured);
}

void TextLabel::setText(const QString& text)
{
    if (text == m_text)
        return; // the same text does not re-measure
    m_text = text;
    adjustSize();
    update();
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TextLabel::setFontRecord(const FontRecord& font)
{
    m_font = font;
    fontChanged();
}

void TextLabel::setFontFace(const QString& face)
{
    m_font.face = face;
    fontChanged();
}

void TextLabel::setFontHeight(int height)
{
    m_font.height = height;
    fontChanged();
}

void TextLabel::setFontCharset(int charset)
{
    m_font.charset = charset;
}

void TextLabel::fontChanged()
{
    setFont(m_font.toQFont());
    adjustSize();
    update();
}

void TextLabel::adjustSize()
{
    resize(measure(m_text, font()));
}

void TextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(m_font.color);
    const Qt::Alignment horizontal = m_alignment & Qt::AlignHorizontal_Mask;
    painter.drawText(rect(), int(horizontal | Qt::AlignTop) | kTextFlags, m_text);
}

} // namespace toolkit
