#include "platform/controls/Clipboard.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Graphic.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>

#include <memory>

ORVO_IMPLEMENT_CLASS(TClipboard, TPersistent)

namespace {

QClipboard* qtClipboard() {
    return QGuiApplication::clipboard();
}

// What an open clipboard has collected so far; put on the clipboard at the last Close.
std::unique_ptr<QMimeData>& pendingData() {
    static std::unique_ptr<QMimeData> data;
    return data;
}

QMimeData* pending() {
    if (!pendingData()) pendingData() = std::make_unique<QMimeData>();
    return pendingData().get();
}

QImage imageOf(TGraphic* Graphic) {
    if (auto* bmp = dynamic_cast<TBitmap*>(Graphic)) return bmp->Image().copy();
    // Any other graphic is drawn into a bitmap of its size.
    TBitmap bmp(Graphic->Width(), Graphic->Height());
    bmp.SetPixelFormat(pf24bit);
    Graphic->Draw(bmp.Canvas(), Rect(0, 0, Graphic->Width(), Graphic->Height()));
    return bmp.Image().copy();
}

} // namespace

void TClipboard::Open() {
    if (FOpenCount++ == 0) {
        pendingData().reset();
        FPending = false;
    }
}

void TClipboard::Close() {
    if (FOpenCount == 0) return;
    if (--FOpenCount == 0 && FPending) Commit();
}

void TClipboard::Commit() {
    FPending = false;
    if (QClipboard* cb = qtClipboard()) cb->setMimeData(pendingData().release());
    pendingData().reset();
}

void TClipboard::Clear() {
    if (FOpenCount > 0) {
        pendingData().reset();
        FPending = true;
        pending();
        return;
    }
    if (QClipboard* cb = qtClipboard()) cb->clear();
}

String TClipboard::AsText() const {
    QClipboard* cb = qtClipboard();
    return cb ? cb->text() : String();
}

String TClipboard::AsTextLine() const {
    String text = AsText();
    const int cut = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (cut >= 0) text.truncate(cut);
    return text;
}

void TClipboard::SetAsText(const String& Value) {
    Open();
    // Putting text on the clipboard replaces what was there.
    if (FOpenCount == 1) pendingData().reset();
    pending()->setText(Value);
    FPending = true;
    Close();
}

bool TClipboard::HasFormat(TClipboardFormat Format) const {
    QClipboard* cb = qtClipboard();
    const QMimeData* data = cb ? cb->mimeData() : nullptr;
    if (!data) return false;
    switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT:
        return data->hasText();
    case CF_BITMAP:
    case CF_DIB:
    case CF_PICTURE:
        return data->hasImage();
    default:
        return false;
    }
}

int TClipboard::FormatCount() const {
    QClipboard* cb = qtClipboard();
    const QMimeData* data = cb ? cb->mimeData() : nullptr;
    if (!data) return 0;
    return (data->hasText() ? 1 : 0) + (data->hasImage() ? 1 : 0);
}

void TClipboard::Assign(TPersistent* Source) {
    TGraphic* graphic = nullptr;
    if (auto* pic = dynamic_cast<TPicture*>(Source))
        graphic = pic->Graphic();
    else
        graphic = dynamic_cast<TGraphic*>(Source);
    if (!graphic) {
        if (dynamic_cast<TPicture*>(Source)) return; // an empty picture puts nothing
        TPersistent::Assign(Source);
        return;
    }
    Open();
    if (FOpenCount == 1) pendingData().reset();
    pending()->setImageData(imageOf(graphic));
    FPending = true;
    Close();
}

void TClipboard::AssignTo(TPersistent* Dest) {
    QClipboard* cb = qtClipboard();
    const QImage img = cb ? cb->image() : QImage();
    if (auto* pic = dynamic_cast<TPicture*>(Dest)) {
        if (img.isNull()) throw EConvertError(QStringLiteral("Unsupported clipboard format"));
        pic->Bitmap()->SetImage(img.convertToFormat(QImage::Format_RGB32), pf24bit);
        return;
    }
    if (auto* bmp = dynamic_cast<TBitmap*>(Dest)) {
        if (img.isNull()) throw EConvertError(QStringLiteral("Unsupported clipboard format"));
        bmp->SetImage(img.convertToFormat(QImage::Format_RGB32), pf24bit);
        return;
    }
    TPersistent::AssignTo(Dest);
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
