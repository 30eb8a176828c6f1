#include "platform/controls/BitBtn.h"

#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TBitBtn, TButton)
ORVO_IMPLEMENT_ENUM_TYPE(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                         "bkAbort", "bkRetry", "bkIgnore", "bkAll")

namespace {
struct KindInfo {
    const char* caption;
    TModalResult result;
    bool isDefault;
    bool isCancel;
};
// Indexed by TBitBtnKind.
constexpr KindInfo kKinds[] = {
    {"", mrNone, false, false},          {"OK", mrOk, true, false},        {"Cancel", mrCancel, false, true},
    {"&Help", mrNone, false, false},     {"&Yes", mrYes, true, false},     {"&No", mrNo, false, true},
    {"&Close", mrNone, false, false},    {"Abort", mrAbort, false, false}, {"&Retry", mrRetry, false, false},
    {"&Ignore", mrIgnore, false, false}, {"&All", mrAll, false, false},
};
} // namespace

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {
    FGlyph = new TBitmap();
    FGlyph->OnChange = TNotifyEvent(this, &TBitBtn::GlyphChanged);
}

TBitBtn::~TBitBtn() {
    delete FGlyph;
}

void TBitBtn::SetKind(TBitBtnKind Value) {
    if (Value == FKind) return;
    FKind = Value;
    if (Value == bkCustom) return;
    const KindInfo& k = kKinds[Value];
    SetDefault(k.isDefault);
    SetCancel(k.isCancel);
    const bool loading = ComponentState().Contains(csLoading);
    if (!loading || Caption().isEmpty() || Caption() == Name()) SetCaption(QString::fromLatin1(k.caption));
    SetModalResult(k.result);
}

void TBitBtn::Click() {
    // The close button closes its form before its own click runs.
    if (FKind == bkClose)
        if (TCustomForm* form = ::GetParentForm(this)) {
            form->Close();
            TButtonControl::Click();
            return;
        }
    TButton::Click();
}

void TBitBtn::GlyphChanged(TObject*) {
    Invalidate();
}

void TBitBtn::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
}

void TBitBtn::SetNumGlyphs(TNumGlyphs Value) {
    if (Value < 1 || Value > 4) return;
    FNumGlyphs = Value;
    Invalidate();
}
void TBitBtn::SetLayout(TButtonLayout Value) {
    FLayout = Value;
    Invalidate();
}
void TBitBtn::SetMargin(int Value) {
    FMargin = std::max(-1, Value);
    Invalidate();
}
void TBitBtn::SetSpacing(int Value) {
    FSpacing = Value;
    Invalidate();
}

void TBitBtn::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    DrawPushButtonFrame(c, r, Default() || Focused(), Pressed());
    TRect face = r;
    if (Pressed()) face = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    const TButtonState state = !Enabled() ? bsDisabled : (Pressed() ? bsDown : bsUp);
    platform::detail::DrawButtonFace(c, face, FGlyph, FNumGlyphs, state, Caption(), Font(), FLayout, FMargin,
                                     FSpacing);
    if (Focused()) DrawPushButtonFocus(c, r);
}

ORVO_PUBLISHED(TBitBtn) {
    P.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
    P.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
    P.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
    P.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
    P.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
    P.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}
