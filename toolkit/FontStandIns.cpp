#include "toolkit/FontStandIns.h"

#include <QFontDatabase>
#include <array>

namespace toolkit {

namespace {

struct StandIn {
    const char16_t* face;
    const char16_t* family;
    QFont::Weight weight;
    int stretch;
};

// Faces installed by fonts-noto-cjk and fonts-dejavu.
constexpr std::array kStandIns{
    StandIn{u"宋体", u"Noto Serif CJK SC", QFont::Normal, QFont::Unstretched},
    StandIn{u"SimSun", u"Noto Serif CJK SC", QFont::Normal, QFont::Unstretched},
    StandIn{u"Impact", u"DejaVu Sans Condensed", QFont::Bold, QFont::Unstretched},
    StandIn{u"MS Sans Serif", u"DejaVu Sans", QFont::Normal, QFont::Unstretched},
};

const StandIn* findStandIn(const QString& face) {
    for (const auto& s : kStandIns) {
        if (face.compare(QString::fromUtf16(s.face), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

} // namespace

void installFontStandIns() {
    for (const auto& s : kStandIns)
        QFont::insertSubstitution(QString::fromUtf16(s.face), QString::fromUtf16(s.family));
}

QFont standInFont(const QString& face) {
    QFont font;
    const StandIn* s = findStandIn(face);
    if (s && !QFontDatabase::hasFamily(face)) {
        font.setFamily(QString::fromUtf16(s->family));
        font.setWeight(s->weight);
        font.setStretch(s->stretch);
    } else {
        font.setFamily(face);
    }
    return font;
}

} // namespace toolkit
