#include "picture/JpegDecoder.h"

#include <QImage>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <new>
#include <vector>

namespace picture {

namespace {

// libjpeg's warnings that mean pixels were lost (inconsistent progression,
// premature end of data segment, bad Huffman code, premature end of file,
// must resync, invalid SOS for sequential, bad arithmetic code).
bool losesData(int code) {
    switch (code) {
    case 115:
    case 117:
    case 118:
    case 120:
    case 121:
    case 122:
    case 126:
        return true;
    default:
        return false;
    }
}

// A hostile file can raise millions of warnings; past this many we stop.
constexpr int kMaxDataWarnings = 100000;
// libjpeg's working memory for one picture.
constexpr long kMaxMemory = 512L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int firstDataWarning = 0;
    int dataWarnings = 0;
    int fatalCode = 0;
    bool tooManyWarnings = false;
};

void onError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->fatalCode = err->pub.msg_code;
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level >= 0)
        return; // trace messages
    const int code = err->pub.msg_code;
    if (!losesData(code))
        return;
    if (err->firstDataWarning == 0)
        err->firstDataWarning = code;
    if (++err->dataWarnings > kMaxDataWarnings) {
        err->tooManyWarnings = true;
        std::longjmp(err->jump, 1);
    }
}

QString jpegError(int code) {
    return QStringLiteral("JPEG error #%1").arg(code);
}

QRgb cmykToRgb(int c, int m, int y, int k, bool inverted) {
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    // Stored inverted (as Adobe writes it), each channel is 255 - ink.
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// The smallest scale n/8 at which both sides still cover min(side, cover).
// Only 1/8, 1/4 and 1/2 have libjpeg-turbo's SIMD inverse DCTs and
// upsamplers; the scales between them decode slower than the next larger
// one, so they are not used.
unsigned chooseScale(unsigned width, unsigned height, int cover) {
    const unsigned needW = std::min<unsigned>(width, unsigned(cover));
    const unsigned needH = std::min<unsigned>(height, unsigned(cover));
    for (unsigned num = 1; num < 8; num *= 2) {
        if ((width * num + 7) / 8 >= needW && (height * num + 7) / 8 >= needH)
            return num;
    }
    return 8;
}

// What one decoding run produced. Kept outside the function that calls
// setjmp, so that nothing longjmp skips needs a destructor.
struct Decoded {
    QImage image;
    int rows = 0;
    unsigned width = 0;
    unsigned height = 0;
};

constexpr int kTooManyWarnings = -1;
constexpr int kOutOfMemory = -2;

// Returns 0 when the whole picture was decoded, else the fatal error code,
// kTooManyWarnings or kOutOfMemory. Throws nothing; `headerCode` is set when
// the headers could not be read.
int runDecoder(jpeg_decompress_struct& cinfo, ErrorManager& err, QByteArrayView data, int cover,
               Decoded& out, int& headerCode, std::vector<JSAMPLE>& row) {
    headerCode = 0;
    volatile bool headerRead = false;
    if (setjmp(err.jump)) {
        if (!headerRead) {
            headerCode = err.fatalCode;
            return 0;
        }
        return err.tooManyWarnings ? kTooManyWarnings : err.fatalCode;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxMemory;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        headerCode = JERR_NO_IMAGE;
        return 0;
    }
    headerRead = true;
    out.width = cinfo.image_width;
    out.height = cinfo.image_height;

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    if (cmyk)
        cinfo.out_color_space = JCS_CMYK;
    else if (cinfo.jpeg_color_space == JCS_GRAYSCALE)
        cinfo.out_color_space = JCS_GRAYSCALE;
    else
        cinfo.out_color_space = JCS_EXT_BGRX; // straight into QImage's 32-bit rows
    cinfo.scale_num = chooseScale(cinfo.image_width, cinfo.image_height, cover);
    cinfo.scale_denom = 8;
    // A scaled-down picture loses the fast IDCT's error in the resize.
    cinfo.dct_method = cinfo.scale_num < 8 ? JDCT_IFAST : JDCT_ISLOW;

    jpeg_start_decompress(&cinfo);
    const unsigned w = cinfo.output_width;
    const unsigned h = cinfo.output_height;
    out.image = QImage(int(w), int(h), QImage::Format_RGB32);
    if (out.image.isNull())
        return kOutOfMemory;
    out.image.fill(Qt::white);
    row.resize(size_t(w) * size_t(cinfo.output_components));
    const bool inverted = cinfo.saw_Adobe_marker;
    const bool direct = cinfo.out_color_space == JCS_EXT_BGRX;
    while (cinfo.output_scanline < h) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW rows[1] = {direct ? reinterpret_cast<JSAMPROW>(out.image.scanLine(y))
                                   : row.data()};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1)
            break;
        out.rows = y + 1;
        if (direct)
            continue;
        auto* line = reinterpret_cast<QRgb*>(out.image.scanLine(y));
        const JSAMPLE* s = row.data();
        switch (cinfo.out_color_space) {
        case JCS_GRAYSCALE:
            for (unsigned x = 0; x < w; ++x)
                line[x] = qRgb(s[x], s[x], s[x]);
            break;
        case JCS_CMYK:
            for (unsigned x = 0; x < w; ++x, s += 4)
                line[x] = cmykToRgb(s[0], s[1], s[2], s[3], inverted);
            break;
        default:
            break;
        }
    }
    jpeg_finish_decompress(&cinfo);
    return 0;
}

} // namespace

Picture decodeJpeg(QByteArrayView data, int coverSide) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.emit_message = onMessage;

    Decoded decoded;
    std::vector<JSAMPLE> row;
    int headerCode = 0;
    const int fatal = runDecoder(cinfo, err, data, coverSide, decoded, headerCode, row);
    jpeg_destroy_decompress(&cinfo);

    if (fatal == kOutOfMemory)
        throw std::bad_alloc();
    if (headerCode != 0 || decoded.width == 0)
        throw PictureError(jpegError(headerCode != 0 ? headerCode : err.fatalCode));

    QImage image = std::move(decoded.image);
    if (image.isNull()) {
        image = QImage(1, 1, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    // Keep at most what the panel and a sharp print need.
    const QSize keep(std::min(image.width(), coverSide), std::min(image.height(), coverSide));
    if (keep != image.size())
        image = image.scaled(keep, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    Picture picture =
        Picture::fromRaster(std::move(image), QSize(int(decoded.width), int(decoded.height)));
    if (fatal > 0)
        picture.setDeferredError(jpegError(fatal));
    else if (err.firstDataWarning != 0)
        picture.setDeferredError(jpegError(err.firstDataWarning));
    return picture;
}

} // namespace picture
