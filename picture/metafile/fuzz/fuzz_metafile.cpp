// A damaged or hostile metafile may only ever give its message: load what
// the fuzzer makes and play it.
#include "picture/Picture.h"
#include "picture/metafile/Metafile.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
#if defined(FUZZ_emf)
    constexpr auto format = picture::Metafile::Format::Emf;
#else
    constexpr auto format = picture::Metafile::Format::Wmf;
#endif
    try {
        const auto metafile = picture::Metafile::load(bytes, format);
        QImage canvas(96, 96, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        metafile->play(painter, QRectF(canvas.rect()));
    } catch (const picture::PictureError&) {
    }
    return 0;
}
