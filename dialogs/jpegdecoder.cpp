// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/jpegdecoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which by default ends
// the process; this one jumps back to the decoder instead. Everything that
// lives across the jump is plain data, so nothing is left half destroyed.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
    char lastWarning[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->back, 1);
}

void OutputMessage(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    errors->base.format_message(info, errors->lastWarning);
}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
};

// Reads the header and starts decompressing to RGB. Only plain data lives in
// this frame, for the jump's sake.
bool Start(Decoder &d, const unsigned char *data, unsigned long size)
{
    if (setjmp(d.errors.back))
        return false;
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    return true;
}

// Decodes every line into `pixels`, `stride` bytes apart.
bool ReadLines(Decoder &d, unsigned char *pixels, std::size_t stride)
{
    if (setjmp(d.errors.back))
        return false;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = pixels + stride * d.info.output_scanline;
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

DecodedJpeg DecodeJpeg(const QByteArray &data)
{
    DecodedJpeg result;
    if (data.isEmpty()) {
        result.error = QStringLiteral("The picture is empty.");
        return result;
    }
    Decoder d{};
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = ErrorExit;
    d.errors.base.output_message = OutputMessage;
    jpeg_create_decompress(&d.info);

    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    if (Start(d, bytes, static_cast<unsigned long>(data.size()))) {
        QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     QImage::Format_RGB888);
        if (image.isNull() || d.info.output_components != 3) {
            result.error = QStringLiteral("The picture is too large or not in colour.");
        } else if (ReadLines(d, image.bits(), static_cast<std::size_t>(image.bytesPerLine()))) {
            result.image = image;
        }
    }
    if (result.image.isNull() && result.error.isEmpty())
        result.error = QStringLiteral("The picture could not be read: %1")
                           .arg(QString::fromLocal8Bit(d.errors.message));
    if (d.errors.base.num_warnings > 0)
        result.warning = QString::fromLocal8Bit(d.errors.lastWarning);
    jpeg_destroy_decompress(&d.info);
    return result;
}
