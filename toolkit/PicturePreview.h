#pragma once

#include <QWidget>

class QLabel;

namespace toolkit {

// The preview pane of the open-picture dialog: the picture fitted into the
// pane and its pixel size, or why it cannot be shown.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget* parent = nullptr);

    void showFile(const QString& fileName);

    QLabel* imageLabel() const { return m_image; }
    QLabel* sizeLabel() const { return m_size; }

private:
    QLabel* m_image;
    QLabel* m_size;
};

} // namespace toolkit
