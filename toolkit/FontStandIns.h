#pragma once

#include <QFont>
#include <QString>

namespace toolkit {

// Registers the faces that stand in for the label's Windows fonts
// ("宋体"/"SimSun", "Impact", "MS Sans Serif") with installed ones.
void installFontStandIns();

// A QFont for `face`, with its stand-in's family and weight where the face
// has one (Impact is a heavy condensed face).
QFont standInFont(const QString& face);

} // namespace toolkit
