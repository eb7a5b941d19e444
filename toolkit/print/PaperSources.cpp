#include "toolkit/print/PaperSources.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <memory>
#include <unistd.h>

// The choices of a driver option are only published through the driver
// description (PPD) API, which CUPS marks deprecated in favour of IPP
// attributes that have no paper-source keywords of the driver's own.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace toolkit {

QList<PaperSource> paperSources(const QString& printer, QString* defaultKeyword) {
    QList<PaperSource> sources;
    if (printer.isEmpty())
        return sources;
    const char* file = cupsGetPPD(printer.toUtf8().constData());
    if (!file)
        return sources;
    const QByteArray path(file);
    const std::unique_ptr<ppd_file_t, void (*)(ppd_file_t*)> ppd(ppdOpenFile(path.constData()),
                                                                 ppdClose);
    ::unlink(path.constData());
    if (!ppd)
        return sources;
    const ppd_option_t* slot = ppdFindOption(ppd.get(), kPaperSourceOption);
    if (!slot || slot->num_choices < 2)
        return sources;
    const bool utf8 = qstrcmp(ppd->lang_encoding, "UTF-8") == 0;
    for (int i = 0; i < slot->num_choices; ++i) {
        const ppd_choice_t& choice = slot->choices[i];
        const QString name =
            utf8 ? QString::fromUtf8(choice.text) : QString::fromLatin1(choice.text);
        sources.append({QString::fromLatin1(choice.choice),
                        name.isEmpty() ? QString::fromLatin1(choice.choice) : name});
    }
    if (defaultKeyword)
        *defaultKeyword = QString::fromLatin1(slot->defchoice);
    return sources;
}

} // namespace toolkit

#pragma GCC diagnostic pop
