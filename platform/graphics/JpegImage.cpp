#include "platform/graphics/JpegImage.h"

#include "platform/classes/Streams.h"

#include <QByteArray>
#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

ORVO_IMPLEMENT_CLASS(TJPEGImage, TGraphic)

namespace {

// libjpeg reports errors through a callback that must not return: it jumps back to the
// caller, which raises the error as an exception once the library's state is cleaned up.
struct ErrorManager {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {}

// Warnings are ignored, except the one for data that ends before the picture does: the
// library would fill the rest with grey and call the picture loaded.
void onEmit(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) onError(cinfo);
}

// Huffman-coded data spends at least one bit on every 8 x 8 block of every component, so
// a size the data cannot hold is refused before the picture is allocated.
bool sizeFitsData(const jpeg_decompress_struct& cinfo, unsigned long dataSize) {
    if (!platform::detail::PictureSizeAllowed(cinfo.image_width, cinfo.image_height)) return false;
    if (cinfo.arith_code) return true;
    unsigned long long blocks = 0;
    for (int c = 0; c < cinfo.num_components; ++c)
        blocks += static_cast<unsigned long long>(cinfo.comp_info[c].width_in_blocks) *
                  cinfo.comp_info[c].height_in_blocks;
    return blocks <= static_cast<unsigned long long>(dataSize) * 8;
}

} // namespace

TJPEGImage::TJPEGImage() : bitmap_(std::make_unique<TBitmap>()) {
    bitmap_->SetPixelFormat(pf24bit);
}
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}
void TJPEGImage::SetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

void TJPEGImage::Assign(TPersistent* Source) {
    if (auto* j = dynamic_cast<TJPEGImage*>(Source)) {
        bitmap_->Assign(j->bitmap_.get());
        quality_ = j->quality_;
        grayscale_ = j->grayscale_;
        Changed(this);
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        bitmap_->Assign(b);
        bitmap_->SetPixelFormat(pf24bit);
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent* Dest) {
    if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
        b->Assign(bitmap_.get());
        return;
    }
    TGraphic::AssignTo(Dest);
}

namespace {

// The libjpeg calls live in functions without C++ objects of their own, so that the
// error jump skips no destructor.
bool decodeJpeg(const unsigned char* data, unsigned long size, QImage* out, ErrorManager* err) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&err->mgr);
    err->mgr.error_exit = onError;
    err->mgr.output_message = onMessage;
    jpeg_create_decompress(&cinfo);
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    err->mgr.emit_message = onEmit;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    if (!sizeFitsData(cinfo, size)) {
        std::snprintf(err->message, sizeof err->message, "image size %ux%u is not allowed",
                      unsigned(cinfo.image_width), unsigned(cinfo.image_height));
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    *out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (out->isNull()) {
        std::strcpy(err->message, "image too large");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool encodeJpeg(const QImage* img, int quality, bool grayscale, unsigned char** buffer, unsigned long* length,
                ErrorManager* err) {
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&err->mgr);
    err->mgr.error_exit = onError;
    err->mgr.output_message = onMessage;
    jpeg_create_compress(&cinfo);
    if (setjmp(err->jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_mem_dest(&cinfo, buffer, length);
    cinfo.image_width = JDIMENSION(img->width());
    cinfo.image_height = JDIMENSION(img->height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (grayscale) jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img->constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

void TJPEGImage::LoadFromStream(TStream* Stream) {
    const QByteArray data = platform::detail::ReadRemainingBytes(Stream);
    if (data.isEmpty()) throw EInvalidGraphic(QStringLiteral("The JPEG image is empty"));
    ErrorManager err{};
    QImage img;
    if (!decodeJpeg(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &img, &err))
        throw EInvalidGraphic(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(err.message)));
    bitmap_->SetImage(img, pf24bit);
    Changed(this);
}

void TJPEGImage::SaveToStream(TStream* Stream) {
    if (Empty()) return;
    const QImage img = bitmap_->Image().convertToFormat(QImage::Format_RGB888);
    ErrorManager err{};
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    const bool ok = encodeJpeg(&img, quality_, grayscale_, &buffer, &length, &err);
    if (!ok) {
        std::free(buffer);
        throw EInvalidGraphic(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(err.message)));
    }
    try {
        Stream->WriteBuffer(buffer, int(length));
    } catch (...) {
        std::free(buffer);
        throw;
    }
    std::free(buffer);
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
    bitmap_->Draw(ACanvas, Rect);
}
