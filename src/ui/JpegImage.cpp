#include "JpegImage.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace palvane {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to the
// decoder with the message kept.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

extern "C" void onJpegMessage(j_common_ptr) {} // warnings of damaged data are not printed

// The decoding itself, free of objects with destructors so that the jump back is safe.
bool decodeInto(const unsigned char* bytes, unsigned long size, QImage* out, char* message) {
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.pub.output_message = onJpegMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    // CMYK stays CMYK; everything else is delivered as RGB (greyscale expanded).
    if (info.jpeg_color_space != JCS_CMYK && info.jpeg_color_space != JCS_YCCK)
        info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int w = int(info.output_width);
    const int h = int(info.output_height);
    const int channels = info.output_components;
    if (w <= 0 || h <= 0 || (channels != 3 && channels != 4)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "unsupported JPEG colour layout");
        return false;
    }
    *out = QImage(w, h, QImage::Format_RGB32);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "picture too large");
        return false;
    }
    const bool cmyk = channels == 4;
    // One scan line buffer, allocated by libjpeg so the error jump frees it with the decoder.
    JSAMPARRAY line = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                JDIMENSION(w * channels), 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, line, 1);
        auto* dst = reinterpret_cast<QRgb*>(out->scanLine(y));
        const unsigned char* src = line[0];
        for (int x = 0; x < w; ++x, src += channels) {
            if (cmyk) {
                // Adobe CMYK JPEGs store inverted values.
                const int k = src[3];
                dst[x] = qRgb(src[0] * k / 255, src[1] * k / 255, src[2] * k / 255);
            } else {
                dst[x] = qRgb(src[0], src[1], src[2]);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data, QString* error) {
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("no JPEG data");
        return QImage();
    }
    if (!decodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &image, message)) {
        if (error)
            *error = QString::fromLocal8Bit(message);
        return QImage();
    }
    return image;
}

QImage loadJpeg(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return QImage();
    }
    return decodeJpeg(file.readAll(), error);
}

} // namespace palvane
