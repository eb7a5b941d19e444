#pragma once

#include "toolkit/FontRecord.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace toolkit {

// The font dialog: face, size, style and the effects strike-out, underline
// and colour. Seeded from a font record and read back into one; the character
// set is kept unless a script is chosen.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(QWidget* parent = nullptr);

    void setFontRecord(const FontRecord& font);
    FontRecord fontRecord() const;

    // Shows the dialog modally on `font`; true and `font` replaced after OK.
    bool execute(FontRecord& font);

    QFontDialog* fontChooser() const { return m_chooser; }
    QComboBox* colorBox() const { return m_colors; }

private:
    QFontDialog* m_chooser;
    QComboBox* m_colors;
    int m_charset = DefaultCharset;
};

} // namespace toolkit
