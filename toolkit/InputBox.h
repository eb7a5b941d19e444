#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// The modal one-line prompt: caption, prompt above a field that starts with
// `text` and accepts at most 255 characters, OK (Enter) and Cancel (Esc and
// the close box). Returns the field's content after OK, `text` after Cancel.
QString inputBox(const QString& caption, const QString& prompt, const QString& text,
                 QWidget* parent = nullptr);

inline constexpr int kInputBoxMaxLength = 255;

} // namespace toolkit
