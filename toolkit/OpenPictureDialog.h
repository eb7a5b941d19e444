#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace toolkit {

// The open-picture dialog: a file dialog with a preview pane that shows the
// picture under the cursor and its size. Its file-type list is the program's
// picture formats ("All (...)" first). A typed name need not exist. Within a
// run it reopens on the last chosen file name and file type.
class OpenPictureDialog : public QObject {
    Q_OBJECT
public:
    explicit OpenPictureDialog(QObject* parent = nullptr);

    // Shows the dialog modally; true when the user chose a file.
    bool execute(QWidget* parent);

    QString fileName() const { return m_fileName; }
    QString nameFilter() const { return m_filter; }

private:
    QString m_fileName;
    QString m_filter;
};

} // namespace toolkit
