// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/jpegdecoder.h"

#include <QLocale>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace {

// A header may state any size up to 65,535 pixels a side, and everything
// libjpeg and the picture allocate grows with it, so the size is checked
// before anything is allocated. The limits are far above the program's own
// photograph (2272 x 1704, 3.9 megapixels) and above any camera's picture a
// user might hand it, yet keep the picture itself to 120 MB in RGB.
constexpr unsigned kMaxSide = 8192;
constexpr unsigned long long kMaxPixels = 40'000'000;
// libjpeg's own working memory: a progressive picture at the limit with three
// full-size components keeps 240 MB of coefficients, and the rest is buffers.
constexpr long kMaxWorkingMemory = 320L * 1024 * 1024;

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

// Reads the header. Only plain data lives in these frames, for the jump's sake.
bool ReadHeader(Decoder &d, const unsigned char *data, unsigned long size)
{
    if (setjmp(d.errors.back))
        return false;
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    return true;
}

// Starts decompressing to RGB.
bool Start(Decoder &d)
{
    if (setjmp(d.errors.back))
        return false;
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    return true;
}

QString SizeText(const jpeg_decompress_struct &info)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    return QStringLiteral("%1 \u00d7 %2 pixels")
        .arg(english.toString(info.image_width), english.toString(info.image_height));
}

// Why a picture of the header's size is not decoded, or nothing.
QString RefusedSize(const jpeg_decompress_struct &info)
{
    const unsigned long long area =
        static_cast<unsigned long long>(info.image_width) * info.image_height;
    if (info.image_width > kMaxSide || info.image_height > kMaxSide || area > kMaxPixels)
        return QStringLiteral("The picture is too large (%1).").arg(SizeText(info));
    return {};
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
    d.info.mem->max_memory_to_use = kMaxWorkingMemory;

    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    const bool headerRead = ReadHeader(d, bytes, static_cast<unsigned long>(data.size()));
    if (!headerRead && d.errors.base.msg_code == JERR_EMPTY_IMAGE)
        result.error = QStringLiteral("The picture has no pixels (%1).").arg(SizeText(d.info));
    else if (headerRead)
        result.error = RefusedSize(d.info);
    if (headerRead && result.error.isEmpty() && Start(d)) {
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
