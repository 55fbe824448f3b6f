// JPEG decoding and encoding with libjpeg.
//
// libjpeg reports fatal errors through a callback that must not return; ours
// longjmps back to the caller, which then raises Exception. Between setjmp
// and the end of libjpeg's work only trivially destructible objects are
// created, so the jump skips no destructor.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/gui/bitmap.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr Info)
{
    auto* err = reinterpret_cast<ErrorManager*>(Info->err);
    (*Info->err->format_message)(Info, err->Message);
    std::longjmp(err->Jump, 1);
}

// Warnings are ignored, except a file that ends too early: that is corrupt.
void onMessage(j_common_ptr Info, int Level)
{
    if (Level < 0 && Info->err->msg_code == JWRN_JPEG_EOF)
        onError(Info);
}

void install(ErrorManager& Err)
{
    jpeg_std_error(&Err.Pub);
    Err.Pub.error_exit = onError;
    Err.Pub.emit_message = onMessage;
    Err.Message[0] = 0;
}

Exception jpegError(const ErrorManager& Err)
{
    return Exception(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(Err.Message)));
}

}  // namespace

QImage LoadJpeg(const QByteArray& Bytes)
{
    if (Bytes.isEmpty())
        throw Exception(QStringLiteral("JPEG error: empty data"));
    jpeg_decompress_struct info;
    ErrorManager err;
    install(err);
    info.err = &err.Pub;
    QImage image;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&info);
        throw jpegError(err);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(Bytes.constData()), static_cast<unsigned long>(Bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_GRAYSCALE)
        info.out_color_space = JCS_GRAYSCALE;
    else if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        info.out_color_space = JCS_CMYK;
    else
        info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int w = int(info.output_width), h = int(info.output_height), comps = info.output_components;
    image = QImage(w, h, QImage::Format_RGB32);
    if (image.isNull())
        ERREXIT(&info, JERR_OUT_OF_MEMORY);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               JDIMENSION(w * comps), 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const JSAMPLE* in = row[0];
        for (int x = 0; x < w; ++x, in += comps) {
            if (comps == 1) {
                out[x] = qRgb(in[0], in[0], in[0]);
            } else if (comps == 4) {
                // Adobe writes CMYK inverted: each byte is already 255 - ink.
                const int k = in[3];
                out[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
            } else {
                out[x] = qRgb(in[0], in[1], in[2]);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

QByteArray SaveJpeg(const QImage& Image, int Quality)
{
    if (Image.isNull())
        throw Exception(QStringLiteral("JPEG error: empty image"));
    // JPEG has no alpha: transparent parts become white.
    QImage rgb(Image.size(), QImage::Format_RGB888);
    rgb.fill(Qt::white);
    {
        QPainter p(&rgb);
        p.drawImage(0, 0, Image);
    }
    jpeg_compress_struct info;
    ErrorManager err;
    install(err);
    info.err = &err.Pub;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.Jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw jpegError(err);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(Quality, 1, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}
