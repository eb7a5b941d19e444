#pragma once

#include "toolkit/FontRecord.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <QMenu>

namespace toolkit {

// A borderless multi-line text column: word wrap, no scroll bars, opaque in
// the window colour, Tab moves the focus instead of being inserted, the
// selection shows only while it has the focus, and the caret's line stays in
// view. A right-click focuses it and opens its own popup menu, never the
// standard edit menu.
class Memo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList lines READ lines WRITE setLines)
    Q_PROPERTY(QString fontFace READ fontFace WRITE setFontFace)
    Q_PROPERTY(int fontHeight READ fontHeight WRITE setFontHeight)
    Q_PROPERTY(int fontCharset READ fontCharset WRITE setFontCharset)
public:
    explicit Memo(QWidget* parent = nullptr);

    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    QMenu* popupMenu() const { return m_popupMenu; }

    // Puts the lines in one after another at the caret, each followed by a
    // line break; the caret stays after the last one.
    QStringList lines() const;
    void setLines(const QStringList& lines);

    const FontRecord& fontRecord() const { return m_font; }
    void setFontRecord(const FontRecord& font);
    QString fontFace() const { return m_font.face; }
    void setFontFace(const QString& face);
    int fontHeight() const { return m_font.height; }
    void setFontHeight(int height);
    int fontCharset() const { return m_font.charset; }
    void setFontCharset(int charset);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyFont();
    void setSelectionShown(bool shown);

    QPointer<QMenu> m_popupMenu;
    FontRecord m_font;
};

} // namespace toolkit
