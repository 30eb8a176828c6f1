#include "platform/graphics/PngImage.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/DeviceContext.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

ORVO_IMPLEMENT_CLASS(TPngImage, TGraphic)

TPngImage::TPngImage() : bitmap_(std::make_unique<TBitmap>()) {
    bitmap_->SetPixelFormat(pf32bit);
}
TPngImage::~TPngImage() = default;

void TPngImage::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TPngImage*>(Source)) {
        bitmap_->Assign(p->bitmap_.get());
        Changed(this);
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        bitmap_->Assign(b);
        bitmap_->SetPixelFormat(pf32bit);
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TPngImage::AssignTo(TPersistent* Dest) {
    if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
        b->Assign(bitmap_.get());
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TPngImage::LoadFromStream(TStream* Stream) {
    QImage img;
    if (!img.loadFromData(platform::detail::ReadRemainingBytes(Stream), "PNG"))
        throw EInvalidGraphic(QStringLiteral("The PNG image is not valid"));
    bitmap_->SetImage(img.convertToFormat(QImage::Format_ARGB32), pf32bit);
    Changed(this);
}

void TPngImage::SaveToStream(TStream* Stream) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!bitmap_->Image().save(&buf, "PNG"))
        throw EInvalidGraphic(QStringLiteral("Cannot write the PNG image"));
    Stream->WriteBuffer(bytes.constData(), int(bytes.size()));
}

void TPngImage::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty()) return;
    // Drawn with its alpha channel over what is there.
    HDC dc = ACanvas->Handle();
    if (QPainter* p = dc->ShapePainter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), bitmap_->Image());
        dc->Invalidate(DeviceContext::dRop);
    }
}
