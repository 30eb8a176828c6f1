#include "platform/controls/Image.h"

#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

ORVO_IMPLEMENT_CLASS(TImage, TGraphicControl)

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = FControlStyle + TControlStyle{csReplicatable};
    SetBounds(0, 0, 105, 105);
    FPicture = new TPicture();
    FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
}

TImage::~TImage() {
    delete FPicture;
}

void TImage::SetPicture(TPicture* Value) {
    FPicture->Assign(Value);
}

TCanvas* TImage::Canvas() {
    TGraphic* g = FPicture->Graphic();
    if (!g) {
        // An empty image gets a bitmap of its own size to draw on.
        FPicture->Bitmap()->SetSize(Width(), Height());
        g = FPicture->Graphic();
    }
    auto* bmp = dynamic_cast<TBitmap*>(g);
    if (!bmp) throw EInvalidOperation(QStringLiteral("Can only modify an image if it contains a bitmap"));
    return bmp->Canvas();
}

void TImage::SetStretch(bool Value) {
    FStretch = Value;
    Invalidate();
}
void TImage::SetCenter(bool Value) {
    FCenter = Value;
    Invalidate();
}
void TImage::SetProportional(bool Value) {
    FProportional = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    PictureChanged(this);
}

void TImage::SetAutoSize(bool Value) {
    TGraphicControl::SetAutoSize(Value);
    PictureChanged(this);
}

TRect TImage::DestRect() const {
    int w = FPicture->Width();
    int h = FPicture->Height();
    const int cw = ClientWidth(), ch = ClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // The longer side fills the control, the other follows the aspect ratio, and
            // both are cut back if that overflows.
            const double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Rect(0, 0, w, h);
    if (FCenter) {
        const int dx = (cw - w) / 2, dy = (ch - h) / 2;
        r = Rect(dx, dy, dx + w, dy + h);
    }
    return r;
}

void TImage::PictureChanged(TObject*) {
    if (TGraphic* g = FPicture->Graphic()) {
        // The picture follows the image's Transparent.
        if (g->Transparent() != FTransparent) g->SetTransparent(FTransparent);
        if (AutoSize() && g->Width() > 0 && g->Height() > 0)
            SetBounds(Left(), Top(), g->Width(), g->Height());
    }
    if (!FDrawing) Invalidate();
}

void TImage::Paint() {
    TCanvas* c = TGraphicControl::Canvas();
    TGraphic* g = FPicture->Graphic();
    if (g && !g->Empty()) {
        // Drawing may tell the picture it changed (a bitmap's canvas); that is no reason
        // to paint again.
        FDrawing = true;
        try {
            c->StretchDraw(DestRect(), g);
        } catch (...) {
            FDrawing = false;
            throw;
        }
        FDrawing = false;
    }
    if (OnPaint) OnPaint(this);
}

ORVO_PUBLISHED(TImage) {
    PublishControlBasics(P);
    P.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
    P.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    P.Property("Picture", &TImage::Picture, &TImage::SetPicture);
    P.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
    P.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    P.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
    P.Property("OnPaint", &TImage::OnPaint);
}
