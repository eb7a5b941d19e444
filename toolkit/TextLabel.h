#pragma once

#include "toolkit/Element.h"
#include "toolkit/FontRecord.h"

namespace toolkit {

// A transparent one-line text label. It draws only its glyphs, from the top of
// its bounds, clipped to them. Whenever its text or font changes it sizes
// itself to the text's extent, keeping Left and Top (also when centred).
// "&" underlines the next character; "&&" draws one "&".
class TextLabel : public GraphicElement {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString fontFace READ fontFace WRITE setFontFace)
    Q_PROPERTY(int fontHeight READ fontHeight WRITE setFontHeight)
    Q_PROPERTY(int fontCharset READ fontCharset WRITE setFontCharset)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(bool fontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(bool fontUnderline READ fontUnderline WRITE setFontUnderline)
public:
    explicit TextLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    const FontRecord& fontRecord() const { return m_font; }
    void setFontRecord(const FontRecord& font);

    QString fontFace() const { return m_font.face; }
    void setFontFace(const QString& face);
    int fontHeight() const { return m_font.height; }
    void setFontHeight(int height);
    int fontCharset() const { return m_font.charset; }
    void setFontCharset(int charset);
    QColor fontColor() const { return m_font.color; }
    void setFontColor(const QColor& color);
    bool fontBold() const { return m_font.bold; }
    void setFontBold(bool bold);
    bool fontUnderline() const { return m_font.underline; }
    void setFontUnderline(bool underline);

    // The extent of `text` in `font` as the label measures it.
    static QSize measure(const QString& text, const QFont& font);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fontChanged();
    void adjustSize();

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    FontRecord m_font;
};

} // namespace toolkit
