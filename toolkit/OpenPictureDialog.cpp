#include "toolkit/OpenPictureDialog.h"

#include "picture/PictureLoader.h"
#include "toolkit/PicturePreview.h"

#include <QFileDialog>
#include <QGridLayout>

namespace toolkit {

OpenPictureDialog::OpenPictureDialog(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("OpenPictureDialog1"));
}

bool OpenPictureDialog::execute(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenPictureDialog1"));
    // Qt's own dialog, so that the preview pane can sit beside the list.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // a typed name need not exist
    dialog.setSizeGripEnabled(true);
    const QStringList filters = picture::pictureFileFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(m_filter.isEmpty() ? filters.first() : m_filter);
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);

    auto* preview = new PicturePreview(&dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::showFile);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_fileName = dialog.selectedFiles().constFirst();
    m_filter = dialog.selectedNameFilter();
    return true;
}

} // namespace toolkit
