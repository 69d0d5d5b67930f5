#include "ImageCodec.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <type_traits>

#include <dlfcn.h>
#include <jpeglib.h>

namespace {

// libjpeg is opened when the first JPEG is decoded rather than at start: a
// run that shows no picture (the snapshot tool writing values) never maps it.
struct JpegLibrary {
    decltype(&jpeg_std_error) std_error = nullptr;
    decltype(&jpeg_CreateDecompress) create_decompress = nullptr;
    decltype(&jpeg_mem_src) mem_src = nullptr;
    decltype(&jpeg_read_header) read_header = nullptr;
    decltype(&jpeg_start_decompress) start_decompress = nullptr;
    decltype(&jpeg_read_scanlines) read_scanlines = nullptr;
    decltype(&jpeg_finish_decompress) finish_decompress = nullptr;
    decltype(&jpeg_destroy_decompress) destroy_decompress = nullptr;
    bool complete = false;
};

// nullptr when the library or one of its functions is missing.
const JpegLibrary* Jpeg() {
    static const JpegLibrary library = [] {
        JpegLibrary functions;
        void* handle = dlopen(BIORHYTHM_JPEG_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return functions;
        functions.complete = true;
        const auto find = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            functions.complete = functions.complete && function;
        };
        find(functions.std_error, "jpeg_std_error");
        find(functions.create_decompress, "jpeg_CreateDecompress");
        find(functions.mem_src, "jpeg_mem_src");
        find(functions.read_header, "jpeg_read_header");
        find(functions.start_decompress, "jpeg_start_decompress");
        find(functions.read_scanlines, "jpeg_read_scanlines");
        find(functions.finish_decompress, "jpeg_finish_decompress");
        find(functions.destroy_decompress, "jpeg_destroy_decompress");
        return functions;
    }();
    return library.complete ? &library : nullptr;
}

// Larger pictures are refused rather than allocated.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void JpegFail(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->escape, 1);
}

void JpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0)  // a warning: the data is damaged
        JpegFail(cinfo);
}

// Everything between setjmp and a possible longjmp lives in C structures or in
// the caller's frame, so the jump skips no destructor.
bool DecodeInto(const JpegLibrary& jpeg, jpeg_decompress_struct* cinfo, JpegErrors* errors, const QByteArray& data,
                QImage* out) {
    if (setjmp(errors->escape) != 0)
        return false;
    jpeg.create_decompress(cinfo, JPEG_LIB_VERSION, sizeof(jpeg_decompress_struct));
    jpeg.mem_src(cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg.read_header(cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    if (cinfo->jpeg_color_space != JCS_GRAYSCALE && cinfo->jpeg_color_space != JCS_YCbCr &&
        cinfo->jpeg_color_space != JCS_RGB)
        return false;
    cinfo->out_color_space = JCS_RGB;
    const std::int64_t w = cinfo->image_width;
    const std::int64_t h = cinfo->image_height;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || w * h > kMaxPixels)
        return false;
    jpeg.start_decompress(cinfo);
    if (cinfo->output_components != 3 || cinfo->output_width != w || cinfo->output_height != h)
        return false;
    *out = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (out->isNull())
        return false;
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 static_cast<JDIMENSION>(w * 3), 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        const int y = static_cast<int>(cinfo->output_scanline);
        if (jpeg.read_scanlines(cinfo, row, 1) != 1)
            return false;
        auto* line = reinterpret_cast<QRgb*>(out->scanLine(y));
        const JSAMPLE* src = row[0];
        for (std::int64_t x = 0; x < w; ++x, src += 3)
            line[x] = qRgb(src[0], src[1], src[2]);
    }
    jpeg.finish_decompress(cinfo);
    return true;
}

std::uint32_t U16(const unsigned char* p) { return p[0] | (static_cast<std::uint32_t>(p[1]) << 8); }

std::uint32_t U32(const unsigned char* p) { return U16(p) | (U16(p + 2) << 16); }

std::int32_t S32(const unsigned char* p) { return static_cast<std::int32_t>(U32(p)); }

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    const JpegLibrary* jpeg = Jpeg();
    if (data.size() < 4 || !jpeg)
        return {};
    jpeg_decompress_struct cinfo{};
    JpegErrors errors{};
    cinfo.err = jpeg->std_error(&errors.base);
    errors.base.error_exit = JpegFail;
    errors.base.emit_message = JpegMessage;
    QImage image;
    const bool ok = DecodeInto(*jpeg, &cinfo, &errors, data, &image);
    jpeg->destroy_decompress(&cinfo);  // also after a failed creation: it checks what exists
    return ok ? image : QImage();
}

QImage ReadDib(const QByteArray& data) {
    constexpr std::int64_t kFileHeader = 14;
    constexpr std::int64_t kInfoHeader = 40;
    const std::int64_t size = data.size();
    if (size < kFileHeader + kInfoHeader)
        return {};
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return {};
    const std::int64_t fileSize = U32(bytes + 2);
    const std::int64_t offset = U32(bytes + 10);
    const unsigned char* info = bytes + kFileHeader;
    const std::int64_t infoSize = U32(info);
    const std::int64_t width = S32(info + 4);
    const std::int64_t height = S32(info + 8);
    const std::uint32_t planes = U16(info + 12);
    const std::uint32_t bitCount = U16(info + 14);
    const std::uint32_t compression = U32(info + 16);

    // Only the plain info header and its two later extensions share this layout.
    if (infoSize != 40 && infoSize != 108 && infoSize != 124)
        return {};
    if (planes != 1 || bitCount != 24 || compression != 0)
        return {};
    if (fileSize != 0 && fileSize > size)  // the file was cut short
        return {};
    const bool topDown = height < 0;
    const std::int64_t rows = topDown ? -height : height;
    if (width <= 0 || rows <= 0 || width > kMaxSide || rows > kMaxSide || width * rows > kMaxPixels)
        return {};
    const std::int64_t stride = (width * 3 + 3) / 4 * 4;
    if (offset < kFileHeader + infoSize || offset > size || stride * rows > size - offset)
        return {};

    QImage image(static_cast<int>(width), static_cast<int>(rows), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (std::int64_t r = 0; r < rows; ++r) {
        const std::int64_t y = topDown ? r : rows - 1 - r;
        const unsigned char* src = bytes + offset + r * stride;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::int64_t x = 0; x < width; ++x, src += 3)
            line[x] = qRgb(src[2], src[1], src[0]);
    }
    return image;
}
