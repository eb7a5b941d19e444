#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>

namespace toolkit {

// The print dialog: printer, its properties and the copies; no page range, no
// selection, no print to file. Qt's dialog sets the paper to the printer's
// default whenever its properties page is built, so this one opens that page
// on the printer's own paper and tells whether the user confirmed it.
class PrintDialog : public QPrintDialog {
    Q_OBJECT
public:
    explicit PrintDialog(QPrinter* printer, QWidget* parent = nullptr);

    // True when the properties (paper, orientation ...) of the printer now
    // chosen were confirmed by the user, so that the layout the dialog wrote
    // into the printer is the user's and not the printer's default.
    bool propertiesConfirmed() const { return !m_confirmedProperties.isNull(); }

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;

private:
    void prepareProperties(QDialog* properties);

    QPageLayout m_layout;
    QPointer<QDialog> m_confirmedProperties;
};

} // namespace toolkit
