// A damaged or hostile file may only ever give its message: decode whatever
// the fuzzer makes and draw the result.
#include "picture/BmpDecoder.h"
#include "picture/IcoDecoder.h"
#include "picture/JpegDecoder.h"

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
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
#if defined(FUZZ_jpeg)
        const picture::Picture p = picture::decodeJpeg(bytes);
#elif defined(FUZZ_bmp)
        const picture::Picture p = picture::Picture::fromRaster(picture::decodeBmpFile(bytes));
#else
        const picture::Picture p = picture::Picture::fromIcon(picture::decodeIcoFile(bytes));
#endif
        QImage canvas(64, 64, QImage::Format_RGB32);
        QPainter painter(&canvas);
        p.draw(painter, canvas.rect());
    } catch (const picture::PictureError&) {
    }
    return 0;
}
