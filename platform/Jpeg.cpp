#include "platform/Jpeg.h"

#include "platform/Exception.h"

#include <QFile>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the call that started the work. No C++ object
// with a destructor lives between the setjmp and the jump.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

// Corrupt data ends the decoding instead of passing as a grey picture.
void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) ErrorExit(info);
}

void InitErrors(ErrorManager& errors, jpeg_common_struct& info) {
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.emit_message = EmitMessage;
    errors.Message[0] = '\0';
}

// The most pixels a picture may have: far more than any front panel's, and a
// frame (four octets a pixel) of at most 64 MB. A header may claim up to
// 65500 x 65500 pixels, 16 GB, for a file of a few hundred octets.
constexpr uint64_t MaxJpegPixels = uint64_t{4096} * 4096;

// Decodes into `image`; false with the library's message (or ours) on failure.
bool Decode(const std::string& octets, QImage& image, ErrorManager& errors) {
    jpeg_decompress_struct info;
    InitErrors(errors, *reinterpret_cast<jpeg_common_struct*>(&info));
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(octets.data()),
                 static_cast<unsigned long>(octets.size()));
    jpeg_read_header(&info, TRUE);
    if (uint64_t{info.image_width} * info.image_height > MaxJpegPixels) {
        std::snprintf(errors.Message, sizeof errors.Message, "%u x %u pixels, more than the %llu a picture may have",
                      info.image_width, info.image_height, static_cast<unsigned long long>(MaxJpegPixels));
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_RGBX;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGBX8888);
    if (image.isNull()) {  // no memory for the frame: nothing may be written to it
        std::snprintf(errors.Message, sizeof errors.Message, "no memory for a frame of %u x %u pixels",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool Encode(const QImage& rgb, int quality, unsigned char*& buffer, unsigned long& size, ErrorManager& errors) {
    jpeg_compress_struct info;
    InitErrors(errors, *reinterpret_cast<jpeg_common_struct*>(&info));
    if (setjmp(errors.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_RGBX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full colour resolution: the LEDs and port numbers are a few pixels.
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const std::string& octets, const std::string& what) {
    ErrorManager errors;
    QImage image;
    if (octets.empty() || !Decode(octets, image, errors))
        throw Exception("Cannot decode the JPEG " + what + (errors.Message[0] ? ": " + std::string(errors.Message) : ""));
    return image;
}

std::string EncodeJpeg(const QImage& image, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGBX8888);
    ErrorManager errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Encode(rgb, quality, buffer, size, errors);
    std::string octets;
    if (ok) octets.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    if (!ok) throw Exception("Cannot encode the JPEG picture: " + std::string(errors.Message));
    return octets;
}

QImage LoadJpeg(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw Exception("Cannot open the picture " + path);
    const QByteArray data = file.readAll();
    return DecodeJpeg(data.toStdString(), path);
}
