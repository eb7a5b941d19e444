#include "toolkit/InputBox.h"

#include <QInputDialog>
#include <QLineEdit>

namespace toolkit {

QString inputBox(const QString& caption, const QString& prompt, const QString& text,
                 QWidget* parent) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(text);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(kInputBoxMaxLength);
    if (dialog.exec() != QDialog::Accepted)
        return text;
    return dialog.textValue();
}

} // namespace toolkit
