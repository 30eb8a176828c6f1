#include "controls/XcSpeedButton.h"

#include "controls/XcGlyphCache.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Pen.h"
#include "platform/win/Clock.h"
#include "storage/support/XcGraphUtils.h"
#include "storage/support/XcStrUtils.h"

#include <QStringList>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TXcxButtonGlyph, TObject)
ORVO_IMPLEMENT_CLASS(TXcSpeedButtonActionLink, TControlActionLink)
ORVO_IMPLEMENT_CLASS(TXcCustomSpeedButton, TXcExGraphicControl)
ORVO_IMPLEMENT_CLASS(TXcSpeedButton, TXcCustomSpeedButton)
ORVO_IMPLEMENT_ENUM_TYPE(TButtonStyle, "bsAutoDetect", "bsWin31", "bsNew")
ORVO_IMPLEMENT_ENUM_TYPE(TXcDropDownMenuPos, "dmpBottom", "dmpRight")
ORVO_IMPLEMENT_ENUM_TYPE(TXcTrackFontOption, "hoFollowFont", "hoPreserveCharSet", "hoPreserveColor",
                         "hoPreserveHeight", "hoPreserveName", "hoPreservePitch", "hoPreserveStyle")
ORVO_IMPLEMENT_SET_TYPE(TXcTrackFontOptions, TXcTrackFontOption)

namespace {
// Room the drop-down mark takes beside the caption.
constexpr int kPopupMarkRoom = 9;

TColor Shifted(TColor Color, int Delta) {
    const COLORREF rgb = ColorToRGB(Color);
    auto part = [&](int shift) { return std::clamp(int((rgb >> shift) & 0xFF) + Delta, 0, 255); };
    return TColor(part(0) | (part(8) << 8) | (part(16) << 16));
}

// Fills R with the 8 x 8 checker pattern of two colours.
void FillChecker(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2) {
    std::unique_ptr<TBitmap> pattern(MakeCheckerBitmap(Color1, Color2));
    Canvas->Brush()->SetBitmap(pattern.get());
    Canvas->FillRect(R);
    Canvas->Brush()->SetBitmap(nullptr);
}

// The popup mark: four rows of 7, 5, 3 and 1 pixels from (X, Y).
void DrawMark(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    for (int row = 0; row < 4; ++row) {
        Canvas->MoveTo(X + row, Y + row);
        Canvas->LineTo(X + 7 - row, Y + row);
    }
}
} // namespace

void DrawSpeedButtonFrame(TCanvas* Canvas, TRect& Rect, bool IsDown, TColor Color, TButtonStyle Style,
                          bool Flat) {
    const TColor highlight = Shifted(Color, 64);
    const TColor shadow = Shifted(Color, -64);
    const bool newStyle = Style == bsAutoDetect || Style == bsNew;
    if (IsDown) {
        if (newStyle) {
            if (!Flat) {
                Frame3D(Canvas, Rect, clWindowFrame, highlight, 1);
                Frame3D(Canvas, Rect, shadow, Color, 1);
            } else {
                Frame3D(Canvas, Rect, shadow, highlight, 1);
            }
        } else if (!Flat) {
            Frame3D(Canvas, Rect, clWindowFrame, clWindowFrame, 1);
            Canvas->Pen()->SetColor(clBtnShadow);
            Canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
            Canvas->LineTo(Rect.Left, Rect.Top);
            Canvas->LineTo(Rect.Right, Rect.Top);
            Rect.Left += 1;
            Rect.Top += 1;
            Rect.Right -= 1;
            Rect.Bottom -= 1;
        } else {
            Frame3D(Canvas, Rect, clWindowFrame, highlight, 1);
        }
        return;
    }
    if (newStyle) {
        if (!Flat) {
            Frame3D(Canvas, Rect, highlight, clWindowFrame, 1);
            Frame3D(Canvas, Rect, Color, shadow, 1);
        } else {
            Frame3D(Canvas, Rect, highlight, shadow, 1);
        }
    } else if (!Flat) {
        Frame3D(Canvas, Rect, clWindowFrame, clWindowFrame, 1);
        Frame3D(Canvas, Rect, highlight, shadow, 1);
    } else {
        Frame3D(Canvas, Rect, highlight, clWindowFrame, 1);
    }
}

// ---- TXcxButtonGlyph -----------------------------------------------------------------------

TXcxButtonGlyph::TXcxButtonGlyph() : FGlyph(new TBitmap) {
    AddGlyphCacheClient();
    FIndexes.fill(-1);
    FGlyph->SetTransparentColor(TColor(0xFF00FF));
    FGlyph->OnChange = TNotifyEvent(this, &TXcxButtonGlyph::GlyphChanged);
}

TXcxButtonGlyph::~TXcxButtonGlyph() {
    FGlyph->OnChange = TNotifyEvent();
    Invalidate();
    delete FGlyph;
    ReleaseGlyphCacheClient();
}

void TXcxButtonGlyph::Invalidate() {
    for (auto& image : FImages)
        image.reset();
    for (int& index : FIndexes) {
        if (index >= 0 && FGlyphList) FGlyphList->Delete(index);
        index = -1;
    }
    if (FGlyphList) GlyphCache()->ReturnList(FGlyphList);
    FGlyphList = nullptr;
}

int TXcxButtonGlyph::StateImageIndex(TXcButtonState State) {
    if (State == rbsDown && FNumGlyphs < 3) State = rbsUp;
    int& index = FIndexes[std::size_t(State)];
    if (index >= 0) return index;
    TBitmap* image = GlyphImageForState(State);
    if (!image) return -1;
    if (!FGlyphList) FGlyphList = GlyphCache()->GetList(image->Width(), image->Height());
    index = FGlyphList->AddMasked(image, image->TransparentColor());
    return index;
}

void TXcxButtonGlyph::DrawButtonGlyph(TCanvas* Canvas, TPoint GlyphPos, TXcButtonState State) {
    const int index = StateImageIndex(State);
    if (index >= 0) FGlyphList->Draw(Canvas, GlyphPos.X, GlyphPos.Y, index, true);
}

void TXcxButtonGlyph::DrawButtonImage(TCanvas* Canvas, TPoint GlyphPos, TCustomImageList* Images,
                                      int ImageIndex, TXcButtonState State) {
    if (Images && ImageIndex >= 0 && ImageIndex < Images->Count())
        Images->Draw(Canvas, GlyphPos.X, GlyphPos.Y, ImageIndex, State != rbsDisabled);
}

void TXcxButtonGlyph::DrawButtonText(TCanvas* Canvas, const String& Caption, const TRect& TextBounds,
                                     TXcButtonState State) {
    if (Caption.isEmpty()) return;
    Canvas->Brush()->SetStyle(bsClear);
    UINT flags = DT_VCENTER | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    flags |= Alignment == taLeftJustify ? DT_LEFT : Alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    TRect r = TextBounds;
    if (State == rbsDisabled) {
        const TColor saved = Canvas->Font()->Color();
        TRect shifted = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        Canvas->Font()->SetColor(clBtnHighlight);
        DrawTextOnCanvas(Canvas, Caption, -1, shifted, flags);
        Canvas->Font()->SetColor(clBtnShadow);
        DrawTextOnCanvas(Canvas, Caption, -1, r, flags);
        Canvas->Font()->SetColor(saved);
    } else {
        DrawTextOnCanvas(Canvas, Caption, -1, r, flags);
    }
    Canvas->Brush()->SetStyle(bsSolid);
}

void TXcxButtonGlyph::DrawPopupMark(TCanvas* Canvas, int X, int Y, TXcButtonState State) {
    if (State == rbsDisabled) {
        DrawMark(Canvas, X + 1, Y + 1, clBtnHighlight);
        DrawMark(Canvas, X, Y, clBtnShadow);
    } else {
        DrawMark(Canvas, X, Y, clBtnText);
    }
}

void TXcxButtonGlyph::GlyphChanged(TObject*) {
    Invalidate();
    const int w = FGlyph->Width(), h = FGlyph->Height();
    if (h > 0 && w > 0 && w % h == 0) {
        const int n = w / h;
        FNumGlyphs = n < 6 ? n : 1;
    }
    if (OnChange) OnChange(this);
}

void TXcxButtonGlyph::SetGlyph(TBitmap* Value) {
    Invalidate();
    FGlyph->Assign(Value);
}

void TXcxButtonGlyph::SetNumGlyphs(TXcNumGlyphs Value) {
    Value = std::clamp(Value, 1, 5);
    if (Value == FNumGlyphs) return;
    FNumGlyphs = Value;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TXcxButtonGlyph::SetGrayNewStyle(bool Value) {
    if (Value == FGrayNewStyle) return;
    FGrayNewStyle = Value;
    Invalidate();
    if (OnChange) OnChange(this);
}

TPoint TXcxButtonGlyph::GlyphSize() const {
    if (FGlyph->Empty() || FNumGlyphs <= 0) return {0, 0};
    return {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

TBitmap* TXcxButtonGlyph::GlyphImageForState(TXcButtonState State) {
    const TPoint size = GlyphSize();
    if (size.X <= 0 || size.Y <= 0) return nullptr;
    if (State == rbsDown && FNumGlyphs < 3) State = rbsUp;
    auto& image = FImages[std::size_t(State)];
    if (image) return image.get();
    const TColor transparent = FGlyph->TransparentColor();
    auto part = [&](int k) {
        auto* b = new TBitmap(size.X, size.Y);
        b->Canvas()->Brush()->SetColor(transparent);
        b->Canvas()->FillRect(Rect(0, 0, size.X, size.Y));
        b->Canvas()->Draw(-k * size.X, 0, FGlyph);
        b->SetTransparentColor(transparent);
        return b;
    };
    const int k = int(State);
    if (k < FNumGlyphs) {
        image.reset(part(k));
    } else if (State == rbsDisabled) {
        std::unique_ptr<TBitmap> up(part(0));
        if (FGrayNewStyle) {
            image.reset(MakeDisabledBitmapNewStyle(up.get(), transparent));
            image->SetTransparentColor(transparent);
        } else {
            image.reset(MakeDisabledBitmap(up.get(), transparent));
            image->SetTransparentColor(clBtnFace);
        }
    } else if (State == rbsInactive) {
        image.reset(part(0));
        TCanvas* c = image->Canvas();
        const COLORREF transparentRgb = ColorToRGB(transparent), faceRgb = ColorToRGB(clBtnFace);
        for (int y = 0; y < size.Y; ++y)
            for (int x = 0; x < size.X; ++x) {
                const COLORREF px = ColorToRGB(c->Pixels(x, y));
                if (px == transparentRgb || px == faceRgb) continue;
                const int r = px & 0xFF, g = (px >> 8) & 0xFF, b = (px >> 16) & 0xFF;
                const int grey = (77 * r + 150 * g + 29 * b) / 256;
                c->SetPixels(x, y, TColor(grey | (grey << 8) | (grey << 16)));
            }
    } else {
        image.reset(part(0));
    }
    return image.get();
}

void TXcxButtonGlyph::Draw(TCanvas* Canvas, const TRect& Client, TRect& TextBounds, TXcButtonState State,
                           bool PopupMark, int Spacing, int Margin, TButtonLayout Layout,
                           const String& Caption, TPoint Offset) {
    DrawEx(Canvas, Client, TextBounds, State, PopupMark, Spacing, Margin, Layout, Caption, Offset, nullptr,
           -1);
}

void TXcxButtonGlyph::DrawEx(TCanvas* Canvas, const TRect& Client, TRect& TextBounds, TXcButtonState State,
                             bool PopupMark, int Spacing, int Margin, TButtonLayout Layout,
                             const String& Caption, TPoint Offset, TCustomImageList* Images, int ImageIndex) {
    const int W = Client.Width(), H = Client.Height();
    const bool useImages = Images && ImageIndex >= 0 && ImageIndex < Images->Count();
    TPoint g = useImages ? TPoint{Images->Width(), Images->Height()} : GlyphSize();
    const bool vertical = Layout == blGlyphTop || Layout == blGlyphBottom;
    // 1. The room the caption has.
    int roomW = W, roomH = H;
    if (vertical)
        roomH = H - g.Y - (Margin != -1 ? Margin : 0) - (Spacing != -1 ? Spacing : 0);
    else
        roomW = W - g.X - (Margin != -1 ? Margin : 0) - (Spacing != -1 ? Spacing : 0) -
                (PopupMark ? kPopupMarkRoom : 0);
    roomW = std::max(0, roomW);
    roomH = std::max(0, roomH);
    // 2. The caption, shortened line by line unless it wraps.
    String text = Caption;
    if (!WordWrap && !text.isEmpty()) {
        QStringList lines = text.split(QStringLiteral("\r\n"));
        for (QString& line : lines)
            line = ShortenTextToWidth(line, Canvas, roomW);
        text = TrimTrailingBlanks(lines.join(QStringLiteral("\r\n")));
    }
    TPoint t{0, 0};
    if (!text.isEmpty()) {
        TRect calc = Rect(0, 0, roomW, 0);
        const UINT flags = DT_CALCRECT | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextOnCanvas(Canvas, text, -1, calc, flags);
        t = {std::min(calc.Width(), roomW), std::min(calc.Height(), roomH)};
    }
    // 3. The popup mark widens the caption or the glyph.
    TPoint markOwner = t;
    if (PopupMark) {
        if (g.X == 0 || Layout == blGlyphLeft)
            t.X += kPopupMarkRoom;
        else
            g.X += 6;
    }
    (void)markOwner;
    // 6. Nothing to space without both parts.
    if (text.isEmpty() || g.X == 0) Spacing = 0;
    TPoint glyphPos, textPos;
    // 4. Centred across the layout axis.
    if (vertical) {
        glyphPos.X = (W - g.X) / 2;
        textPos.X = (W - t.X) / 2;
    } else {
        glyphPos.Y = (H - g.Y) / 2;
        textPos.Y = (H - t.Y) / 2;
    }
    const int along = vertical ? H : W;
    const int gAlong = vertical ? g.Y : g.X;
    const int tAlong = vertical ? t.Y : t.X;
    // 5 and 7. Margin and spacing along the layout axis.
    if (Margin == -1) {
        if (Spacing == -1) {
            const int space = (along - gAlong - tAlong) / 3;
            Margin = Spacing = space;
        } else if (!vertical && Alignment == taLeftJustify) {
            Margin = 0;
        } else if (!vertical && Alignment == taRightJustify) {
            Margin = Layout == blGlyphRight ? 0 : W - t.X - g.X - Spacing;
        } else {
            Margin = (along - (gAlong + Spacing + tAlong)) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = (along - (Margin + gAlong) - tAlong) / 2;
    }
    // 8. Glyph and caption in the layout's order.
    switch (Layout) {
    case blGlyphLeft:
        glyphPos.X = Margin;
        textPos.X = glyphPos.X + g.X + Spacing;
        break;
    case blGlyphRight:
        glyphPos.X = W - Margin - g.X;
        textPos.X = glyphPos.X - Spacing - t.X;
        break;
    case blGlyphTop:
        glyphPos.Y = Margin;
        textPos.Y = glyphPos.Y + g.Y + Spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = H - Margin - g.Y;
        textPos.Y = glyphPos.Y - Spacing - t.Y;
        break;
    }
    // 9. Moved by the client origin and the press offset.
    const int ox = Client.Left + Offset.X, oy = Client.Top + Offset.Y;
    glyphPos.X += ox;
    glyphPos.Y += oy;
    textPos.X += ox;
    textPos.Y += oy;
    TextBounds = Rect(textPos.X, textPos.Y, textPos.X + t.X - (PopupMark && g.X == 0 ? kPopupMarkRoom : 0),
                      textPos.Y + t.Y);

    if (useImages)
        DrawButtonImage(Canvas, glyphPos, Images, ImageIndex, State);
    else
        DrawButtonGlyph(Canvas, glyphPos, State);
    DrawButtonText(Canvas, text, TextBounds, State);
    if (PopupMark) {
        int x, y;
        if (g.X > 0 && Layout != blGlyphLeft) {
            x = glyphPos.X + g.X - 6 + 1;
            y = glyphPos.Y + g.Y / 2 - 2;
        } else if (!text.isEmpty()) {
            x = TextBounds.Right + 3;
            y = textPos.Y + t.Y / 2 - 2;
        } else {
            x = Client.Left + (W - 7) / 2 + Offset.X;
            y = Client.Top + (H - 4) / 2 + Offset.Y;
        }
        DrawPopupMark(Canvas, x, y, State);
    }
}

// ---- TXcCustomSpeedButton ------------------------------------------------------------------

TXcCustomSpeedButton::TXcCustomSpeedButton(TComponent* AOwner)
    : TXcExGraphicControl(AOwner), FGlyph(new TXcxButtonGlyph), FHotTrackFont(new TFont),
      FHotTrackOptions(new TXcHotTrackOptions(this)) {
    FHotTrackOptions->SetName(QStringLiteral("HotTrackOptions"));
    FGlyph->OnChange = TNotifyEvent(this, &TXcCustomSpeedButton::GlyphChanged);
    SetBounds(0, 0, 25, 25);
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
    SetColor(clBtnFace);
    SetParentColor(false);
    SetParentShowHint(false);
    SetShowHint(true);
    SyncTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
}

TXcCustomSpeedButton::~TXcCustomSpeedButton() {
    StopTimer();
    FGlyph->OnChange = TNotifyEvent();
    delete FGlyph;
    delete FHotTrackFont;
}

void TXcCustomSpeedButton::GlyphChanged(TObject*) {
    Invalidate();
}

void TXcCustomSpeedButton::SetGroupIndex(int Value) {
    if (Value == FGroupIndex) return;
    FGroupIndex = Value;
    NotifyGroup();
}

void TXcCustomSpeedButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp && !Value) return;
    FDown = Value;
    if (Value) {
        if (FState == rbsUp) Invalidate();
        FState = rbsExclusive;
    } else {
        FState = rbsUp;
    }
    Repaint();
    if (Value) NotifyGroup();
    Invalidate();
}

void TXcCustomSpeedButton::SetAllowAllUp(bool Value) {
    if (Value == FAllowAllUp) return;
    FAllowAllUp = Value;
    NotifyGroup();
}

void TXcCustomSpeedButton::NotifyGroup() {
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage m;
    m.Msg = CM_GROUPBUTTONPRESSED;
    m.WParam = WPARAM(FGroupIndex);
    m.LParam = reinterpret_cast<LPARAM>(this);
    Parent()->Broadcast(m);
}

void TXcCustomSpeedButton::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_GROUPBUTTONPRESSED) {
        auto* sender = reinterpret_cast<TXcCustomSpeedButton*>(Message.LParam);
        if (Message.WParam == WPARAM(FGroupIndex) && sender && sender != this && FGroupIndex != 0) {
            if (sender->Down() && FDown) {
                FDown = false;
                FState = rbsUp;
                Invalidate();
            }
            FAllowAllUp = sender->AllowAllUp();
        }
        return;
    }
    if (Message.Msg == CM_SYSCOLORCHANGE) {
        FGlyph->Invalidate();
        Invalidate();
        return;
    }
    TXcExGraphicControl::Dispatch(Message);
}

void TXcCustomSpeedButton::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    FControlStyle = Value ? FControlStyle - TControlStyle{csOpaque} : FControlStyle + TControlStyle{csOpaque};
    Invalidate();
}

void TXcCustomSpeedButton::SetStyle(TButtonStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetLayout(TButtonLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetMargin(int Value) {
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetSpacing(int Value) {
    if (Value == FSpacing) return;
    FSpacing = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetAlignment(TAlignment Value) {
    if (Value == FGlyph->Alignment) return;
    FGlyph->Alignment = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetWordWrap(bool Value) {
    if (Value == FGlyph->WordWrap) return;
    FGlyph->WordWrap = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetNumGlyphs(TXcNumGlyphs Value) {
    FGlyph->SetNumGlyphs(Value);
}

void TXcCustomSpeedButton::SetGrayNewStyle(bool Value) {
    FGlyph->SetGrayNewStyle(Value);
}

void TXcCustomSpeedButton::SetGrayedInactive(bool Value) {
    if (Value == FGrayedInactive) return;
    FGrayedInactive = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetDropDownMenu(TPopupMenu* Value) {
    if (Value == FDropDownMenu) return;
    if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

void TXcCustomSpeedButton::SetMarkDropDown(bool Value) {
    if (Value == FMarkDropDown) return;
    FMarkDropDown = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetHotTrack(bool Value) {
    if (Value == FHotTrack) return;
    FHotTrack = Value;
    Invalidate();
}

void TXcCustomSpeedButton::SetHotTrackFont(TFont* Value) {
    FHotTrackFont->Assign(Value);
    Invalidate();
}

void TXcCustomSpeedButton::SetHotTrackFontOptions(TXcTrackFontOptions Value) {
    if (Value == FHotTrackFontOptions) return;
    FHotTrackFontOptions = Value;
    SyncTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
    Invalidate();
}

bool TXcCustomSpeedButton::PopupMark() const {
    return FDropDownMenu && FMarkDropDown;
}

void TXcCustomSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
    TXcExGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) {
        FDropDownMenu = nullptr;
        Invalidate();
    }
}

void TXcCustomSpeedButton::Loaded() {
    TXcExGraphicControl::Loaded();
    HandleEnabledChange();
}

void TXcCustomSpeedButton::HandleTextChange() {
    TXcExGraphicControl::HandleTextChange();
    Invalidate();
}

bool TXcCustomSpeedButton::HandleDialogChar(QChar Key, TShiftState Shift, const String& KeyText) {
    if (IsAccelChar(Key, Caption()) && Enabled() && Shift.Contains(ssAlt)) {
        Click();
        return true;
    }
    return TXcExGraphicControl::HandleDialogChar(Key, Shift, KeyText);
}

void TXcCustomSpeedButton::HandleMouseEnter(TControl* AControl) {
    if (MouseOver() || !Enabled()) return;
    const bool repaint = FHotTrack || (FFlat && !Mouse->Capture());
    TXcExGraphicControl::HandleMouseEnter(AControl);
    if (repaint) Invalidate();
}

void TXcCustomSpeedButton::HandleMouseLeave(TControl* AControl) {
    if (!MouseOver()) return;
    const bool repaint = FHotTrack || (FFlat && !FDragging);
    TXcExGraphicControl::HandleMouseLeave(AControl);
    if (repaint) Invalidate();
}

void TXcCustomSpeedButton::HandleEnabledChange() {
    TXcExGraphicControl::HandleEnabledChange();
    FGlyph->Invalidate();
    if (!Enabled() && MouseOver()) TXcExGraphicControl::HandleMouseLeave(this);
    Invalidate();
}

void TXcCustomSpeedButton::HandleFontChange() {
    TXcExGraphicControl::HandleFontChange();
    SyncTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
    Invalidate();
}

void TXcCustomSpeedButton::HandleVisibleChange() {
    TXcExGraphicControl::HandleVisibleChange();
    if (Visible()) UpdateTracking();
}

void TXcCustomSpeedButton::UpdateTracking() {
    if (!Parent()) return;
    TControl* under = FindDragTarget(Mouse->CursorPos(), true);
    const bool over = Enabled() && under == this && ActiveWindowInThisThread();
    if (over == MouseOver()) return;
    Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
}

void TXcCustomSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FMenuTracking) return;
    TXcExGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = rbsDown;
        Invalidate();
    }
    FDragging = true;
    if (FDropDownMenu && FDropDownMenu->AutoPopup()) {
        FMenuTracking = true;
        const bool opened = PopupDropDownMenu(false);
        FMenuTracking = false;
        if (opened) {
            // The menu has closed: the press ends here, without a click.
            FDragging = false;
            FState = FDown ? rbsExclusive : rbsUp;
            SetMouseCapture(false);
            Invalidate();
            return;
        }
    }
    if (FAllowTimer) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->SetOnTimer(TNotifyEvent(this, &TXcCustomSpeedButton::RepeatTick));
        }
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetInterval(FInitPause);
        FRepeatTimer->SetEnabled(true);
    }
}

void TXcCustomSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TXcExGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    const TXcButtonState s = FDown ? rbsExclusive : (Inside(X, Y) ? rbsDown : rbsUp);
    if (s != FState) {
        FState = s;
        Invalidate();
    }
}

void TXcCustomSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TXcExGraphicControl::MouseUp(Button, Shift, X, Y);
    FinishPress(Button, X, Y);
    StopTimer();
}

void TXcCustomSpeedButton::FinishPress(TMouseButton Button, int X, int Y) {
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    const bool click = Inside(X, Y);
    if (FGroupIndex != 0) {
        if (click) {
            const bool wasDown = FDown;
            SetDown(!FDown);
            if (!wasDown && FDown) Repaint();
            if (FDown) FState = rbsExclusive;
        } else {
            if (FDown) FState = rbsExclusive;
            Repaint();
        }
    } else {
        // A lone button ends its press as the mouse had left it; UpdateTracking below
        // enters again when the mouse is still over it.
        FState = rbsUp;
        Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
        Invalidate();
    }
    if (click && !FMenuTracking) Click();
    UpdateTracking();
}

void TXcCustomSpeedButton::RepeatTick(TObject*) {
    FRepeatTimer->SetInterval(FRepeatInterval);
    if (FState == rbsDown && MouseCapture()) {
        try {
            Click();
        } catch (...) {
            StopTimer();
            throw;
        }
    }
}

void TXcCustomSpeedButton::StopTimer() {
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TXcCustomSpeedButton::DblClick() {
    if (FMenuTracking) return;
    if (FDown) TXcExGraphicControl::DblClick();
}

TXcSpeedButtonActionLink::TXcSpeedButtonActionLink(TObject* AClient) : TControlActionLink(AClient) {}

TXcCustomSpeedButton* TXcSpeedButtonActionLink::Button() const {
    return dynamic_cast<TXcCustomSpeedButton*>(FClient);
}

bool TXcSpeedButtonActionLink::IsCheckedLinked() {
    TXcCustomSpeedButton* b = Button();
    return TControlActionLink::IsCheckedLinked() && b && b->GroupIndex() != 0 && b->AllowAllUp() &&
           b->Down() == CustomAction()->Checked();
}

bool TXcSpeedButtonActionLink::IsGroupIndexLinked() {
    TXcCustomSpeedButton* b = Button();
    return b && CustomAction() && b->GroupIndex() == CustomAction()->GroupIndex();
}

void TXcSpeedButtonActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) Button()->SetDown(Value);
}

void TXcSpeedButtonActionLink::SetGroupIndex(int Value) {
    if (IsGroupIndexLinked()) Button()->SetGroupIndex(Value);
}

HResult TXcCustomSpeedButton::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IHotTrackSettings::IID || IID == IID_IInterface) {
        *Obj = static_cast<IHotTrackSettings*>(this);
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

void TXcCustomSpeedButton::AssignHotTrackSettings(IHotTrackSettings* Source) {
    if (!Source || Source == static_cast<IHotTrackSettings*>(this)) return;
    SetHotTrack(Source->GetHotTrack());
    SetHotTrackFont(Source->GetHotTrackFont());
    SetHotTrackFontOptions(Source->GetHotTrackFontOptions());
    SetHotTrackOptions(Source->GetHotTrackOptions());
}

TControlActionLink* TXcCustomSpeedButton::CreateActionLink() {
    return new TXcSpeedButtonActionLink(this);
}

void TXcCustomSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TXcExGraphicControl::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || FGroupIndex == 0) SetGroupIndex(action->GroupIndex());
    TCustomImageList* images = action->ActionList() ? action->ActionList()->Images() : nullptr;
    if (Glyph()->Empty() && images && action->ImageIndex() >= 0 && action->ImageIndex() < images->Count()) {
        TBitmap image;
        image.SetSize(images->Width(), images->Height());
        image.Canvas()->Brush()->SetColor(TColor(0xFF00FF));
        image.Canvas()->FillRect(TRect{0, 0, images->Width(), images->Height()});
        images->Draw(image.Canvas(), 0, 0, action->ImageIndex());
        image.SetTransparentColor(TColor(0xFF00FF));
        SetGlyph(&image);
    }
}

void TXcCustomSpeedButton::Click() {
    if (TCustomForm* form = ::GetParentForm(this)) form->SetModalResult(FModalResult);
    TXcExGraphicControl::Click();
}

void TXcCustomSpeedButton::ButtonClick() {
    if (FMenuTracking || !Enabled() || (FDropDownMenu && FDropDownMenu->AutoPopup())) return;
    if (!FDown) {
        FState = rbsDown;
        Repaint();
    }
    auto finish = [this] {
        FState = rbsUp;
        if (FGroupIndex != 0) {
            SetDown(!FDown);
            Click();
        } else {
            Repaint();
        }
    };
    try {
        Sleep(20);
        if (FGroupIndex == 0) Click();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

TPoint TXcCustomSpeedButton::DropDownMenuPoint() const {
    const TPopupAlignment a = FDropDownMenu ? FDropDownMenu->Alignment() : paLeft;
    if (FMenuPosition == dmpBottom) {
        const int x = a == paLeft ? -1 : a == paRight ? Width() + 1 : Width() / 2;
        return {x, Height()};
    }
    if (a == paLeft) return {Width(), -1};
    if (a == paRight) return {-1, -1};
    return {Width() / 2, Height()};
}

bool TXcCustomSpeedButton::PopupDropDownMenu(bool Manual) {
    if (!FDropDownMenu || (!Manual && !FDropDownMenu->AutoPopup())) return false;
    if (TCustomForm* form = ::GetParentForm(this)) form->Perform(CM_CANCELMODE);
    FDropDownMenu->SetPopupComponent(this);
    const TPoint p = ClientToScreen(DropDownMenuPoint());
    FDropDownMenu->Popup(p.X, p.Y);
    return true;
}

bool TXcCustomSpeedButton::CheckBtnMenuDropDown() {
    return PopupDropDownMenu(true);
}

void TXcCustomSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    if (!Enabled()) {
        FState = rbsDisabled;
        FDragging = false;
    } else if (FState == rbsDisabled) {
        FState = FDown && FGroupIndex != 0 ? rbsExclusive : rbsUp;
    }
    const bool designing = ComponentState().Contains(csDesigning);
    const TXcButtonState paintState = FFlat && !MouseOver() && !designing ? rbsInactive : FState;
    const TXcButtonState glyphState = FState == rbsDisabled || !FGrayedInactive ? FState : paintState;
    TRect r = ClientRect();
    canvas->Brush()->SetStyle(bsSolid);
    if (FTransparent) {
        PaintParentUnderControl(this, canvas);
    } else {
        canvas->Brush()->SetColor(FFlat && Parent() ? Parent()->Color() : Color());
        canvas->FillRect(r);
    }
    if (!(paintState == rbsInactive && FState != rbsExclusive)) {
        DrawSpeedButtonFrame(canvas, r, FState == rbsDown || FState == rbsExclusive, Color(), FStyle, FFlat);
    } else if (FFlat) {
        r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    }
    if (FState == rbsExclusive && !FTransparent && !FFlat && paintState != rbsInactive)
        FillChecker(canvas, Rect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1), Color(), clBtnHighlight);
    const TPoint offset = FState == rbsDown || FState == rbsExclusive ? TPoint{1, 1} : TPoint{0, 0};
    const bool hot = ((FHotTrackOptions->Enabled() && FDown) || IsHot()) && FHotTrack;
    if (hot) {
        canvas->SetFont(FHotTrackFont);
        if (FHotTrackOptions->Enabled()) {
            const TRect all = ClientRect();
            const TRect fill = FHotTrackOptions->FrameVisible()
                                   ? all
                                   : Rect(all.Left + 1, all.Top + (FFlat ? 1 : 2), all.Right - 1,
                                          all.Bottom - (FFlat ? 1 : 2));
            if (FDown) {
                FillChecker(canvas, fill, FHotTrackOptions->Color(), clWindow);
            } else {
                canvas->Brush()->SetColor(FHotTrackOptions->Color());
                canvas->FillRect(fill);
            }
            if (FHotTrackOptions->FrameVisible()) {
                canvas->Brush()->SetColor(FHotTrackOptions->FrameColor());
                canvas->FrameRect(all);
            }
        }
    } else {
        canvas->SetFont(Font());
    }
    PaintContent(canvas, r, PopupMark(), glyphState, offset);
}

// ---- TXcSpeedButton ------------------------------------------------------------------------

TXcSpeedButton::TXcSpeedButton(TComponent* AOwner)
    : TXcCustomSpeedButton(AOwner), FHotTrackGlyph(new TXcxButtonGlyph) {
    FHotTrackGlyph->OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
}

TXcSpeedButton::~TXcSpeedButton() {
    FHotTrackGlyph->OnChange = TNotifyEvent();
    delete FHotTrackGlyph;
}

void TXcSpeedButton::PaintContent(TCanvas* Canvas, const TRect& Rect, bool PopupMark, TXcButtonState State,
                                  TPoint Offset) {
    TXcxButtonGlyph* glyph = FGlyph;
    if (IsHot() && HotTrack() && !FHotTrackGlyph->Glyph()->Empty()) {
        glyph = FHotTrackGlyph;
        glyph->Alignment = FGlyph->Alignment;
        glyph->SetGrayNewStyle(FGlyph->GrayNewStyle());
        glyph->SetNumGlyphs(FGlyph->NumGlyphs());
        glyph->WordWrap = FGlyph->WordWrap;
    }
    TRect text;
    glyph->Draw(Canvas, Rect, text, State, PopupMark, Spacing(), Margin(), Layout(), Caption(), Offset);
}

// ---- published -----------------------------------------------------------------------------

ORVO_PUBLISHED(TXcSpeedButton) {
    PublishControlBasics(P);
    P.Property(
        "Action", [](TXcSpeedButton* b) -> TComponent* { return b->Action(); },
        [](TXcSpeedButton* b, TComponent* c) { b->SetAction(dynamic_cast<TBasicAction*>(c)); });
    P.Property("AboutXCL", &TXcSpeedButton::AboutXCL, &TXcSpeedButton::SetAboutXCL).Stored(false);
    P.Property("Caption", &TXcSpeedButton::Caption, &TXcSpeedButton::SetCaption);
    P.Property("Color", &TXcSpeedButton::Color, &TXcSpeedButton::SetColor)
        .Type(TypeInfoTColor())
        .Default(clBtnFace);
    P.Property("ParentColor", &TXcSpeedButton::ParentColor, &TXcSpeedButton::SetParentColor).Default(false);
    P.Property("ShowHint", &TXcSpeedButton::ShowHint, &TXcSpeedButton::SetShowHint).Default(true);
    P.Property("ParentShowHint", &TXcSpeedButton::ParentShowHint, &TXcSpeedButton::SetParentShowHint)
        .Default(false);
    P.Property("Tag", &TXcSpeedButton::Tag, &TXcSpeedButton::SetTag).Default(0);
    P.Property("GroupIndex", &TXcSpeedButton::GroupIndex, &TXcSpeedButton::SetGroupIndex).Default(0);
    P.Property("Down", &TXcSpeedButton::Down, &TXcSpeedButton::SetDown).Default(false);
    P.Property("AllowAllUp", &TXcSpeedButton::AllowAllUp, &TXcSpeedButton::SetAllowAllUp).Default(false);
    P.Property("AllowTimer", &TXcSpeedButton::AllowTimer, &TXcSpeedButton::SetAllowTimer).Default(false);
    P.Property("InitPause", &TXcSpeedButton::InitPause, &TXcSpeedButton::SetInitPause).Default(500);
    P.Property("RepeatInterval", &TXcSpeedButton::RepeatInterval, &TXcSpeedButton::SetRepeatInterval)
        .Default(100);
    P.Property("Flat", &TXcSpeedButton::Flat, &TXcSpeedButton::SetFlat).Default(false);
    P.Property("Transparent", &TXcSpeedButton::Transparent, &TXcSpeedButton::SetTransparent).Default(false);
    P.Property("Style", &TXcSpeedButton::Style, &TXcSpeedButton::SetStyle).Default(bsAutoDetect);
    P.Property("Layout", &TXcSpeedButton::Layout, &TXcSpeedButton::SetLayout).Default(blGlyphTop);
    P.Property("Margin", &TXcSpeedButton::Margin, &TXcSpeedButton::SetMargin).Default(-1);
    P.Property("Spacing", &TXcSpeedButton::Spacing, &TXcSpeedButton::SetSpacing).Default(1);
    P.Property("Alignment", &TXcSpeedButton::Alignment, &TXcSpeedButton::SetAlignment).Default(taCenter);
    P.Property("WordWrap", &TXcSpeedButton::WordWrap, &TXcSpeedButton::SetWordWrap).Default(false);
    P.Property("Glyph", &TXcSpeedButton::Glyph, &TXcSpeedButton::SetGlyph).Stored([](TXcSpeedButton* b) {
        return !b->Glyph()->Empty();
    });
    P.Property("NumGlyphs", &TXcSpeedButton::NumGlyphs, &TXcSpeedButton::SetNumGlyphs).Default(1);
    P.Property("GrayNewStyle", &TXcSpeedButton::GrayNewStyle, &TXcSpeedButton::SetGrayNewStyle).Default(true);
    P.Property("GrayedInactive", &TXcSpeedButton::GrayedInactive, &TXcSpeedButton::SetGrayedInactive)
        .Default(true);
    P.Property("DropDownMenu", &TXcSpeedButton::DropDownMenu, &TXcSpeedButton::SetDropDownMenu);
    P.Property("MarkDropDown", &TXcSpeedButton::MarkDropDown, &TXcSpeedButton::SetMarkDropDown).Default(true);
    P.Property("MenuPosition", &TXcSpeedButton::MenuPosition, &TXcSpeedButton::SetMenuPosition)
        .Default(dmpBottom);
    P.Property("ModalResult", &TXcSpeedButton::ModalResult, &TXcSpeedButton::SetModalResult).Default(0);
    P.Property("HotTrack", &TXcSpeedButton::HotTrack, &TXcSpeedButton::SetHotTrack).Default(false);
    P.Property("HotTrackFont", &TXcSpeedButton::HotTrackFont, &TXcSpeedButton::SetHotTrackFont);
    P.Property("HotTrackFontOptions", &TXcSpeedButton::HotTrackFontOptions,
               &TXcSpeedButton::SetHotTrackFontOptions)
        .Default(TXcTrackFontOptions{hoFollowFont, hoPreserveColor, hoPreserveStyle});
    P.Property("HotTrackOptions", &TXcSpeedButton::HotTrackOptions, &TXcSpeedButton::SetHotTrackOptions);
    P.Property("HotTrackGlyph", &TXcSpeedButton::HotTrackGlyph, &TXcSpeedButton::SetHotTrackGlyph)
        .Stored([](TXcSpeedButton* b) { return !b->HotTrackGlyph()->Empty(); });
    P.Property("HintColor", &TXcSpeedButton::HintColor, &TXcSpeedButton::SetHintColor)
        .Type(TypeInfoTColor())
        .Default(clDefault);
    P.Property("DoubleBuffered", &TXcSpeedButton::DoubleBuffered, &TXcSpeedButton::SetDoubleBuffered)
        .Default(true);
    P.Property("OnMouseEnter", &TXcSpeedButton::OnMouseEnter);
    P.Property("OnMouseLeave", &TXcSpeedButton::OnMouseLeave);
    P.Property("OnParentColorChange", &TXcSpeedButton::OnParentColorChanged);
}
