#include "toolkit/FontDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <array>

namespace toolkit {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen standard colours of the colour list.
constexpr std::array kColors{
    NamedColor{"Black", 0x000000}, NamedColor{"Maroon", 0x800000},  NamedColor{"Green", 0x008000},
    NamedColor{"Olive", 0x808000}, NamedColor{"Navy", 0x000080},    NamedColor{"Purple", 0x800080},
    NamedColor{"Teal", 0x008080},  NamedColor{"Gray", 0x808080},    NamedColor{"Silver", 0xC0C0C0},
    NamedColor{"Red", 0xFF0000},   NamedColor{"Lime", 0x00FF00},    NamedColor{"Yellow", 0xFFFF00},
    NamedColor{"Blue", 0x0000FF},  NamedColor{"Fuchsia", 0xFF00FF}, NamedColor{"Aqua", 0x00FFFF},
    NamedColor{"White", 0xFFFFFF},
};

QIcon swatch(const QColor& color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

FontDialog::FontDialog(QWidget* parent)
    : QDialog(parent)
    , m_chooser(new QFontDialog(this))
    , m_colors(new QComboBox(this)) {
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(tr("Font"));
    // The chooser is embedded as a plain widget; our buttons close the dialog.
    m_chooser->setWindowFlags(Qt::Widget);
    m_chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_chooser->setSizeGripEnabled(false);

    for (const auto& c : kColors)
        m_colors->addItem(swatch(QColor(c.rgb)), tr(c.name), QColor(c.rgb));
    m_colors->setObjectName(QStringLiteral("ColorBox"));

    auto* colorRow = new QHBoxLayout;
    auto* colorLabel = new QLabel(tr("&Colour:"), this);
    colorLabel->setBuddy(m_colors);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_colors);
    colorRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    m_chooser->setVisible(true);
}

void FontDialog::setFontRecord(const FontRecord& font) {
    m_charset = font.charset;
    // The chooser works in points; the design is at 96 pixels per inch.
    QFont qfont = font.toQFont();
    if (qfont.pixelSize() > 0)
        qfont.setPointSizeF(qfont.pixelSize() * 72.0 / 96.0);
    m_chooser->setCurrentFont(qfont);
    int index = m_colors->findData(font.color);
    if (index < 0) {
        m_colors->addItem(swatch(font.color), font.color.name(), font.color);
        index = m_colors->count() - 1;
    }
    m_colors->setCurrentIndex(index);
}

FontRecord FontDialog::fontRecord() const {
    return FontRecord::fromQFont(m_chooser->currentFont(), m_colors->currentData().value<QColor>(),
                                 m_charset);
}

bool FontDialog::execute(FontRecord& font) {
    setFontRecord(font);
    if (exec() != QDialog::Accepted)
        return false;
    font = fontRecord();
    return true;
}

} // namespace toolkit
