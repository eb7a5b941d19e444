#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace toolkit {

// Character sets of a logical font, as stored with a font.
enum Charset : int {
    AnsiCharset = 0,
    DefaultCharset = 1,
    ShiftJisCharset = 128,
    Gb2312Charset = 134,
    ChineseBig5Charset = 136,
};

// A font as the label keeps it: face, height in pixels (negative: the
// character height without internal leading, i.e. the em size; positive: the
// cell height), character set, colour and style.
struct FontRecord {
    QString face = QStringLiteral("MS Sans Serif");
    int height = -11;
    int charset = DefaultCharset;
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // The Qt font that shows this record, with the stand-in faces applied.
    QFont toQFont() const;
    // A record for a font chosen in Qt (pixel or point size at 96 dpi).
    static FontRecord fromQFont(const QFont& font, const QColor& color, int charset);

    bool operator==(const FontRecord&) const = default;
};

} // namespace toolkit
