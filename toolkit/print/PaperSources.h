#pragma once

#include <QList>
#include <QString>

namespace toolkit {

// A paper source (tray, manual feed ...) a printer's driver offers: the
// driver's keyword and the name to show.
struct PaperSource {
    QString keyword;
    QString name;
};

// The paper sources of a CUPS printer, from its driver description; empty
// when the driver offers no choice. `defaultKeyword` receives the driver's
// default.
QList<PaperSource> paperSources(const QString& printer, QString* defaultKeyword = nullptr);

// The job option that carries the chosen source.
inline constexpr char kPaperSourceOption[] = "InputSlot";

} // namespace toolkit
