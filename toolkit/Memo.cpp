#include "toolkit/Memo.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

namespace toolkit {

Memo::Memo(QWidget* parent)
    : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setBackgroundVisible(false);
    document()->setDocumentMargin(2);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    setPalette(p);
    viewport()->setAutoFillBackground(true);
    setAutoFillBackground(true);
    applyFont();
    setSelectionShown(false);
}

QStringList Memo::lines() const {
    QStringList result = toPlainText().split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.back().isEmpty())
        result.removeLast();
    return result;
}

void Memo::setLines(const QStringList& lines) {
    clear();
    QTextCursor cursor = textCursor();
    for (const QString& line : lines)
        cursor.insertText(line + QLatin1Char('\n'));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void Memo::setFontRecord(const FontRecord& font) {
    m_font = font;
    applyFont();
}

void Memo::setFontFace(const QString& face) {
    m_font.face = face;
    applyFont();
}

void Memo::setFontHeight(int height) {
    m_font.height = height;
    applyFont();
}

void Memo::setFontCharset(int charset) {
    m_font.charset = charset;
}

void Memo::applyFont() {
    setFont(m_font.toQFont());
    QPalette p = palette();
    p.setColor(QPalette::Text, m_font.color);
    setPalette(p);
    ensureCursorVisible();
}

void Memo::contextMenuEvent(QContextMenuEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (m_popupMenu)
        m_popupMenu->exec(event->globalPos());
    event->accept();
}

void Memo::focusInEvent(QFocusEvent* event) {
    setSelectionShown(true);
    QPlainTextEdit::focusInEvent(event);
}

void Memo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    setSelectionShown(false);
}

void Memo::setSelectionShown(bool shown) {
    QPalette p = palette();
    const QPalette standard = QPalette();
    p.setColor(QPalette::Highlight, shown ? standard.color(QPalette::Active, QPalette::Highlight)
                                          : p.color(QPalette::Base));
    p.setColor(QPalette::HighlightedText,
               shown ? standard.color(QPalette::Active, QPalette::HighlightedText)
                     : p.color(QPalette::Text));
    setPalette(p);
}

} // namespace toolkit
