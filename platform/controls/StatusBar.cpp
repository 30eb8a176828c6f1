#include "platform/controls/StatusBar.h"

#include "platform/controls/ControlCanvas.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TStatusWindow, TCustomControl)
ORVO_IMPLEMENT_CLASS(TStatusPanel, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TStatusPanels, TCollection)
ORVO_IMPLEMENT_CLASS(TStatusBar, TStatusWindow)
ORVO_IMPLEMENT_ENUM_TYPE(TStatusPanelStyle, "psText", "psOwnerDraw")
ORVO_IMPLEMENT_ENUM_TYPE(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised")
ORVO_IMPLEMENT_EVENT_TYPE(TDrawPanelEvent)

namespace {
// Most parts the control keeps.
constexpr int kMaxParts = 256;

String textFrom(LPARAM LParam) {
    if (!LParam) return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(LParam));
}
} // namespace

// ---- TStatusWindow -----------------------------------------------------------------------

TStatusWindow::TStatusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(0, 0, 200, 19);
    // One part reaching the right edge, as the control starts.
    FParts.resize(1);
}

void TStatusWindow::CreateParams(TCreateParams& Params) {
    const DWORD kept = WindowStyle() & (SBARS_SIZEGRIP | CCS_TOP);
    TCustomControl::CreateParams(Params);
    Params.Style |= kept;
    Params.WinClassName = QString::fromUtf16(STATUSCLASSNAME);
}

TStatusWindow::Part& TStatusWindow::PartAt(WPARAM Id) {
    if (Id == SB_SIMPLEID) return FSimple;
    return FParts[std::size_t(Id)];
}

TRect TStatusWindow::PartRect(int Index) const {
    const TRect client = ClientRect();
    if (FSimpleMode) return Rect(client.Left, client.Top + VertBorder, client.Right, client.Bottom);
    const int left = Index == 0 ? HorzBorder : std::max(0, FParts[std::size_t(Index - 1)].Edge) + PartGap;
    const int edge = FParts[std::size_t(Index)].Edge;
    const int right = edge < 0 ? client.Right : std::min(edge, client.Right);
    return Rect(std::min(left, right), client.Top + VertBorder, right, client.Bottom);
}

void TStatusWindow::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case SB_SETPARTS: {
        const int count = int(Message.WParam);
        if (count <= 0 || count > kMaxParts || !Message.LParam) {
            Message.Result = FALSE;
            return;
        }
        const int* edges = reinterpret_cast<const int*>(Message.LParam);
        FParts.resize(std::size_t(count));
        for (int i = 0; i < count; ++i)
            FParts[std::size_t(i)].Edge = edges[i];
        Invalidate();
        Message.Result = TRUE;
        return;
    }
    case SB_GETPARTS: {
        if (auto* edges = reinterpret_cast<int*>(Message.LParam))
            for (int i = 0; i < int(Message.WParam) && i < int(FParts.size()); ++i)
                edges[i] = FParts[std::size_t(i)].Edge;
        Message.Result = LRESULT(FParts.size());
        return;
    }
    case SB_SETTEXTW: {
        const WPARAM id = Message.WParam & 0xFF;
        if (id != SB_SIMPLEID && id >= FParts.size()) {
            Message.Result = FALSE;
            return;
        }
        Part& p = PartAt(id);
        p.Flags = Message.WParam & ~WPARAM(0xFF);
        // An owner-drawn part keeps LParam as its item data; the others copy the text.
        if (p.Flags & SBT_OWNERDRAW) {
            p.Data = std::uintptr_t(Message.LParam);
            p.Text.clear();
        } else {
            p.Data = 0;
            p.Text = textFrom(Message.LParam);
        }
        Invalidate();
        Message.Result = TRUE;
        return;
    }
    case SB_GETTEXTLENGTHW:
    case SB_GETTEXTW: {
        const WPARAM id = Message.WParam & 0xFF;
        if (id != SB_SIMPLEID && id >= FParts.size()) {
            Message.Result = 0;
            return;
        }
        const Part& p = PartAt(id);
        if (p.Flags & SBT_OWNERDRAW) {
            Message.Result = LRESULT(p.Data);
            return;
        }
        if (Message.Msg == SB_GETTEXTW && Message.LParam) {
            auto* out = reinterpret_cast<char16_t*>(Message.LParam);
            std::copy_n(reinterpret_cast<const char16_t*>(p.Text.utf16()), p.Text.size() + 1, out);
        }
        Message.Result = LRESULT((p.Text.size() & 0xFFFF) | ((p.Flags & 0xFFFF) << 16));
        return;
    }
    case SB_GETRECT: {
        const int id = int(Message.WParam);
        auto* r = reinterpret_cast<TRect*>(Message.LParam);
        if (!r || (!FSimpleMode && (id < 0 || id >= int(FParts.size())))) {
            Message.Result = FALSE;
            return;
        }
        *r = PartRect(FSimpleMode ? 0 : id);
        Message.Result = TRUE;
        return;
    }
    case SB_GETBORDERS: {
        if (auto* b = reinterpret_cast<int*>(Message.LParam)) {
            b[0] = HorzBorder;
            b[1] = VertBorder;
            b[2] = PartGap;
        }
        Message.Result = TRUE;
        return;
    }
    case SB_SIMPLE:
        FSimpleMode = Message.WParam != 0;
        Invalidate();
        Message.Result = 0;
        return;
    case SB_ISSIMPLE:
        Message.Result = FSimpleMode ? TRUE : FALSE;
        return;
    case SB_SETBKCOLOR:
        Message.Result = LRESULT(FBkColor);
        FBkColor = COLORREF(Message.LParam);
        Invalidate();
        return;
    case SB_SETMINHEIGHT:
        Message.Result = 0;
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TStatusWindow::PaintPart(const TRect& R, const Part& P, UINT Id) {
    TCanvas* c = Canvas();
    TRect inner = R;
    if (!(P.Flags & SBT_NOBORDERS)) {
        if (P.Flags & SBT_POPOUT)
            Frame3D(c, inner, clBtnHighlight, clBtnShadow, 1);
        else
            Frame3D(c, inner, clBtnShadow, clBtnHighlight, 1);
    }
    if (P.Flags & SBT_OWNERDRAW) {
        DRAWITEMSTRUCT dis;
        dis.itemID = Id;
        dis.hwndItem = HandleAllocated() ? Handle() : nullptr;
        dis.hDC = c->Handle();
        dis.rcItem = inner;
        dis.itemData = P.Data;
        const int saved = SaveDC(dis.hDC);
        Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        RestoreDC(dis.hDC, saved);
        return;
    }
    // A leading tab centres the text, two right-align it.
    String text = P.Text;
    TAlignment align = taLeftJustify;
    if (!(P.Flags & SBT_NOTABPARSING)) {
        if (text.startsWith(QStringLiteral("\t\t"))) {
            align = taRightJustify;
            text.remove(0, 2);
        } else if (text.startsWith(QLatin1Char('\t'))) {
            align = taCenter;
            text.remove(0, 1);
        }
    }
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    DrawControlText(c, Rect(inner.Left + 2, inner.Top, inner.Right - 2, inner.Bottom), text, align, tlCenter,
                    false, true);
    c->Brush()->SetStyle(bsSolid);
}

void TStatusWindow::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FBkColor == CLR_DEFAULT ? Color() : TColor(FBkColor));
    c->FillRect(client);
    if (FSimpleMode) {
        PaintPart(PartRect(0), FSimple, UINT(SB_SIMPLEID));
    } else {
        for (int i = 0; i < int(FParts.size()); ++i) {
            c->Brush()->SetStyle(bsSolid);
            PaintPart(PartRect(i), FParts[std::size_t(i)], UINT(i));
        }
    }
    if (WindowStyle() & SBARS_SIZEGRIP) {
        // Three pairs of diagonal lines in the bottom-right corner.
        const int x = client.Right, y = client.Bottom;
        for (int k = 0; k < 3; ++k) {
            const int d = 4 + 4 * k;
            c->Pen()->SetColor(clBtnHighlight);
            c->MoveTo(x - d - 1, y);
            c->LineTo(x, y - d - 1);
            c->Pen()->SetColor(clBtnShadow);
            c->MoveTo(x - d, y);
            c->LineTo(x, y - d);
        }
    }
}

// ---- TStatusPanel ------------------------------------------------------------------------

// The panel joins its collection only once it is complete: joining re-lays out the bar,
// which reads every panel.
TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(nullptr) {
    if (auto* bar = dynamic_cast<TStatusBar*>(Collection ? Collection->Owner() : nullptr))
        FBiDiMode = bar->BiDiMode();
    if (Collection) SetCollection(Collection);
}

void TStatusPanel::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TStatusPanel*>(Source)) {
        FText = p->FText;
        FWidth = p->FWidth;
        FAlignment = p->FAlignment;
        FBevel = p->FBevel;
        FStyle = p->FStyle;
        FBiDiMode = p->FBiDiMode;
        FParentBiDiMode = p->FParentBiDiMode;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(Source);
}

String TStatusPanel::GetDisplayName() const {
    return FText.isEmpty() ? TCollectionItem::GetDisplayName() : FText;
}

void TStatusPanel::SetText(const String& Value) {
    if (Value == FText) return;
    FText = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
    if (Value == FWidth) return;
    FWidth = Value;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
    if (Value == FBevel) return;
    FBevel = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Changed(false);
}

void TStatusPanel::SetBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode) return;
    FBiDiMode = Value;
    FParentBiDiMode = false;
    Changed(false);
}

void TStatusPanel::SetParentBiDiMode(bool Value) {
    if (Value == FParentBiDiMode) return;
    FParentBiDiMode = Value;
    if (Value)
        if (auto* bar = dynamic_cast<TStatusBar*>(Collection() ? Collection()->Owner() : nullptr))
            FBiDiMode = bar->BiDiMode();
    Changed(false);
}

// ---- TStatusPanels -----------------------------------------------------------------------

TStatusPanels::TStatusPanels(TStatusBar* AStatusBar)
    : TCollection(TStatusPanel::StaticClass()), FStatusBar(AStatusBar) {}

TPersistent* TStatusPanels::GetOwner() const {
    return FStatusBar;
}

void TStatusPanels::Update(TCollectionItem* Item) {
    (void)Item;
    if (FStatusBar) FStatusBar->UpdatePanels();
}

// ---- TStatusBar --------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* AOwner) : TStatusWindow(AOwner) {
    FPanels = new TStatusPanels(this);
    SetAlign(alBottom);
    SetHeight(19);
    SetWindowStyle(WindowStyle() | SBARS_SIZEGRIP);
}

TStatusBar::~TStatusBar() {
    delete FPanels;
    FPanels = nullptr;
}

void TStatusBar::SetPanels(TStatusPanels* Value) {
    FPanels->Assign(Value);
}

void TStatusBar::CreateParams(TCreateParams& Params) {
    TStatusWindow::CreateParams(Params);
    Params.Style &= ~(SBARS_SIZEGRIP | CCS_TOP);
    Params.Style |= FSizeGrip ? SBARS_SIZEGRIP : CCS_TOP;
}

void TStatusBar::SetSizeGrip(bool Value) {
    if (Value == FSizeGrip) return;
    FSizeGrip = Value;
    DWORD s = WindowStyle() & ~(SBARS_SIZEGRIP | CCS_TOP);
    SetWindowStyle(s | (Value ? SBARS_SIZEGRIP : CCS_TOP));
    Invalidate();
}

void TStatusBar::SetSimplePanel(bool Value) {
    if (Value == FSimplePanel) return;
    FSimplePanel = Value;
    Perform(SB_SIMPLE, Value ? 1 : 0, 0);
}

void TStatusBar::SetSimpleText(const String& Value) {
    if (Value == FSimpleText) return;
    FSimpleText = Value;
    Perform(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.utf16()));
}

void TStatusBar::UpdatePanels() {
    if (!FPanels) return;
    const int count = std::min(FPanels->Count(), 256);
    if (count == 0) {
        const int edge = -1;
        Perform(SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&edge));
        Perform(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(u""));
        return;
    }
    std::vector<int> edges(std::size_t(count), -1);
    int x = 0;
    for (int i = 0; i < count - 1; ++i) {
        x += FPanels->Items(i)->Width();
        edges[std::size_t(i)] = x;
    }
    Perform(SB_SETPARTS, WPARAM(count), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i) {
        TStatusPanel* p = FPanels->Items(i);
        WPARAM flags = WPARAM(i);
        if (p->Bevel() == pbNone) flags |= SBT_NOBORDERS;
        if (p->Bevel() == pbRaised) flags |= SBT_POPOUT;
        if (p->Style() == psOwnerDraw) {
            Perform(SB_SETTEXTW, flags | SBT_OWNERDRAW, LPARAM(i));
            continue;
        }
        String text = p->Text();
        if (p->Alignment() == taCenter) text.prepend(QLatin1Char('\t'));
        if (p->Alignment() == taRightJustify) text.prepend(QStringLiteral("\t\t"));
        Perform(SB_SETTEXTW, flags, reinterpret_cast<LPARAM>(text.utf16()));
    }
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
    if (OnDrawPanel) OnDrawPanel(this, Panel, Rect);
}

void TStatusBar::Dispatch(TMessage& Message) {
    if (Message.Msg == CN_DRAWITEM) {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        const int index = int(dis->itemData);
        if (index >= 0 && index < FPanels->Count()) {
            TCanvas* c = Canvas();
            c->SetFont(Font());
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(Color());
            DrawPanel(FPanels->Items(index), dis->rcItem);
        }
        Message.Result = 1;
        return;
    }
    TStatusWindow::Dispatch(Message);
}

// ---- published ---------------------------------------------------------------------------

ORVO_PUBLISHED(TStatusPanel) {
    P.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
    P.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
    P.Property("BiDiMode", &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode);
    P.Property("ParentBiDiMode", &TStatusPanel::ParentBiDiMode, &TStatusPanel::SetParentBiDiMode)
        .Default(true);
    P.Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
    P.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    P.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
}

ORVO_PUBLISHED(TStatusBar) {
    PublishControlBasics(P);
    P.Property("Color", &TStatusBar::Color, &TStatusBar::SetColor).Type(TypeInfoTColor());
    P.Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    P.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel);
    P.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    P.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
    P.Property("OnDrawPanel", &TStatusBar::OnDrawPanel);
    P.Property("OnResize", &TStatusBar::OnResize);
}
