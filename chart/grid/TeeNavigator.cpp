#include "chart/grid/TeeNavigator.h"

#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/grid/ChartGrid.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Messages.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTeeNavButton, TSpeedButton)
ORVO_IMPLEMENT_CLASS(TCustomTeeNavigator, TCustomPanelNoCaption)
ORVO_IMPLEMENT_CLASS(TChartGridNavigator, TCustomTeeNavigator)
ORVO_IMPLEMENT_ENUM_TYPE(TTeeNavigateBtn, "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete",
                         "nbEdit", "nbPost", "nbCancel")
ORVO_IMPLEMENT_EVENT_TYPE(TTeeNavClick)

ORVO_PUBLISHED(TChartGridNavigator) {
    using S = TChartGridNavigator;
    PublishWinControlBasics(P);
    P.Property("Grid", &S::Grid, &S::SetGrid);
}

namespace {
constexpr const char* GlyphNames[9] = {"First",  "Prior", "Next", "Last",  "Insert",
                                       "Delete", "Edit",  "Post", "Cancel"};
// Shown when the glyph resource is missing, so that the button can still be told apart.
constexpr const char* FallbackCaptions[9] = {"|<", "<", ">", ">|", "+", "-", "E", "OK", "X"};
constexpr int FirstDelay = 400;
constexpr int RepeatDelay = 100;
} // namespace

// ---- button --------------------------------------------------------------------------------------

TTeeNavButton::~TTeeNavButton() {
    delete FRepeatTimer;
}

void TTeeNavButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FRepeatTimer) {
        FRepeatTimer = new TTimer(nullptr);
        FRepeatTimer->SetOnTimer(TNotifyEvent(this, &TTeeNavButton::TimerExpired));
    }
    FRepeatTimer->SetInterval(FirstDelay);
    FRepeatTimer->SetEnabled(true);
    // One step at once; the release adds none.
    FHeld = true;
    TSpeedButton::Click();
}

void TTeeNavButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    FHeld = false;
}

void TTeeNavButton::Click() {
    if (FHeld) return;
    TSpeedButton::Click();
}

void TTeeNavButton::TimerExpired(TObject*) {
    FRepeatTimer->SetInterval(RepeatDelay);
    if (!FHeld || State() != bsDown || !MouseCapture()) return;
    try {
        TSpeedButton::Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TTeeNavButton::Paint() {
    TSpeedButton::Paint();
    auto* bar = dynamic_cast<TCustomTeeNavigator*>(Parent());
    if (!bar || !bar->Focused() || bar->FocusedButton != FIndex) return;
    const int d = State() == bsDown ? 1 : 0;
    Canvas()->DrawFocusRect(Rect(3 + d, 3 + d, Width() - 3 + d, Height() - 3 + d));
}

// ---- bar -----------------------------------------------------------------------------------------

TCustomTeeNavigator::TCustomTeeNavigator(TComponent* AOwner) : TCustomPanelNoCaption(AOwner) {
    FControlStyle = FControlStyle - TControlStyle{csAcceptsControls, csSetCaption} + TControlStyle{csOpaque};
    FHints = new TStringList();
    FHints->OnChange = TNotifyEvent(this, &TCustomTeeNavigator::HintsChanged);
    FDefHints = new TStringList();
    InitButtons();
    InitHints();
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetBounds(Left(), Top(), 241, 25);
    FocusedButton = nbFirst;
}

TCustomTeeNavigator::~TCustomTeeNavigator() {
    delete FHints;
    FHints = nullptr;
    delete FDefHints;
    FDefHints = nullptr;
    SetPanel(nullptr);
}

HResult TCustomTeeNavigator::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        *Obj = static_cast<IInterface*>(this);
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

void TCustomTeeNavigator::InitButtons() {
    MinBtnSize = Point(20, 18);
    int x = 0;
    for (int i = nbFirst; i <= nbCancel; ++i) {
        auto* b = new TTeeNavButton(this);
        b->SetFlat(true);
        b->FIndex = TTeeNavigateBtn(i);
        b->SetVisible(true);
        b->SetEnabled(false);
        b->SetBounds(x, 0, MinBtnSize.X, MinBtnSize.Y);
        x += MinBtnSize.X;
        auto* glyph = new TBitmap();
        // Two glyphs side by side: normal and disabled.
        if (TeeLoadBitmap(glyph, QStringLiteral("TeeNav_%1").arg(QLatin1String(GlyphNames[i])), String())) {
            b->SetGlyph(glyph);
            b->SetNumGlyphs(2);
        } else {
            b->SetCaption(QLatin1String(FallbackCaptions[i]));
        }
        delete glyph;
        b->OnClick = TNotifyEvent(this, &TCustomTeeNavigator::ClickHandler);
        b->OnMouseDown = TMouseEvent(this, &TCustomTeeNavigator::BtnMouseDown);
        b->SetParent(this);
        Buttons[std::size_t(i)] = b;
    }
    // A new bar shows the four moving buttons only.
    for (int i = nbInsert; i <= nbCancel; ++i)
        Buttons[std::size_t(i)]->SetVisible(false);
}

void TCustomTeeNavigator::InitHints() {
    if (!FDefHints) return;
    FDefHints->Clear();
    for (const String* t : {&TeeMsg_First, &TeeMsg_Prior, &TeeMsg_Next, &TeeMsg_Last, &TeeMsg_Insert,
                            &TeeMsg_Delete, &TeeMsg_Edit, &TeeMsg_Post, &TeeMsg_Cancel})
        FDefHints->Add(*t);
    for (int i = 0; i < 9; ++i)
        Buttons[std::size_t(i)]->SetHint(FDefHints->Strings(i));
    for (int i = 0; i < std::min(9, FHints->Count()); ++i)
        if (!FHints->Strings(i).isEmpty()) Buttons[std::size_t(i)]->SetHint(FHints->Strings(i));
}

void TCustomTeeNavigator::HintsChanged(TObject*) {
    InitHints();
}

void TCustomTeeNavigator::SetHints(TStrings* Value) {
    FHints->Assign(Value);
}

void TCustomTeeNavigator::SetSize(int& W, int& H) {
    if (ComponentState().Contains(csLoading) || !Buttons[0]) return;
    int n = 0;
    for (TTeeNavButton* b : Buttons)
        if (b->Visible()) ++n;
    n = std::max(1, n);
    W = std::max(W, n * MinBtnSize.X);
    H = std::max(H, MinBtnSize.Y);
    ButtonWidth = W / n;
    if (Align() == alNone) W = n * ButtonWidth;
    const int remainder = W - n * ButtonWidth;
    int counter = n / 2;
    int x = 0;
    const int h = BorderStyle() == bsSingle ? H - 4 : H;
    for (TTeeNavButton* b : Buttons) {
        if (!b->Visible()) {
            b->SetBounds(Width() + 1, 0, ButtonWidth, h);
            continue;
        }
        int w = ButtonWidth;
        if (remainder != 0) {
            counter -= remainder;
            if (counter < 0) {
                counter += n;
                ++w;
            }
        }
        b->SetBounds(x, 0, w, h);
        x += w;
    }
}

void TCustomTeeNavigator::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!FSizing) {
        FSizing = true;
        SetSize(AWidth, AHeight);
        FSizing = false;
    }
    TCustomPanelNoCaption::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomTeeNavigator::CheckSize() {
    int w = Width(), h = Height();
    SetSize(w, h);
    if (w != Width() || h != Height()) TCustomPanelNoCaption::SetBounds(Left(), Top(), w, h);
}

void TCustomTeeNavigator::Loaded() {
    TCustomPanelNoCaption::Loaded();
    CheckSize();
    InitHints();
    EnableButtons();
}

void TCustomTeeNavigator::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_SIZE:
        TCustomPanelNoCaption::Dispatch(Message);
        if (!FSizing) {
            FSizing = true;
            CheckSize();
            FSizing = false;
        }
        Message.Result = 0;
        return;
    case CM_ENABLEDCHANGED:
        TCustomPanelNoCaption::Dispatch(Message);
        if (!ComponentState().Contains(csLoading)) EnableButtons();
        return;
    default:
        TCustomPanelNoCaption::Dispatch(Message);
    }
}

void TCustomTeeNavigator::RepaintButton(TTeeNavigateBtn Index) {
    Buttons[std::size_t(Index)]->Invalidate();
}

void TCustomTeeNavigator::DoEnter() {
    TCustomPanelNoCaption::DoEnter();
    RepaintButton(FocusedButton);
}

void TCustomTeeNavigator::DoExit() {
    TCustomPanelNoCaption::DoExit();
    RepaintButton(FocusedButton);
}

void TCustomTeeNavigator::BtnMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
    const TTeeNavigateBtn old = FocusedButton;
    FocusedButton = static_cast<TTeeNavButton*>(Sender)->FIndex;
    if (TabStop() && !Focused()) {
        if (CanFocus()) SetFocus();
    } else if (Focused() && old != FocusedButton) {
        RepaintButton(old);
        RepaintButton(FocusedButton);
    }
}

void TCustomTeeNavigator::KeyDown(Word& Key, TShiftState Shift) {
    TCustomPanelNoCaption::KeyDown(Key, Shift);
    const TTeeNavigateBtn old = FocusedButton;
    switch (Key) {
    case VK_SPACE:
        if (Buttons[std::size_t(FocusedButton)]->Enabled()) Buttons[std::size_t(FocusedButton)]->Click();
        return;
    case VK_LEFT:
        for (int i = int(FocusedButton) - 1; i >= nbFirst; --i)
            if (Buttons[std::size_t(i)]->Visible()) {
                FocusedButton = TTeeNavigateBtn(i);
                break;
            }
        break;
    case VK_RIGHT:
        for (int i = int(FocusedButton) + 1; i <= nbCancel; ++i)
            if (Buttons[std::size_t(i)]->Visible()) {
                FocusedButton = TTeeNavigateBtn(i);
                break;
            }
        break;
    default:
        return;
    }
    if (old != FocusedButton) {
        RepaintButton(old);
        RepaintButton(FocusedButton);
    }
}

void TCustomTeeNavigator::ClickHandler(TObject* Sender) {
    BtnClick(static_cast<TTeeNavButton*>(Sender)->FIndex);
}

void TCustomTeeNavigator::BtnClick(TTeeNavigateBtn Index) {
    EnableButtons();
    if (OnButtonClicked.Assigned()) OnButtonClicked(Index);
}

void TCustomTeeNavigator::SetPanel(TCustomTeePanel* Value) {
    if (FPanel == Value) return;
    if (FPanel) {
        FPanel->RemoveFreeNotification(this);
        FPanel->RemoveListener(this);
    }
    FPanel = Value;
    if (FPanel) {
        FPanel->FreeNotification(this);
        FPanel->Listeners()->Add(this);
    }
    if (!ComponentState().Contains(csDestroying)) EnableButtons();
}

void TCustomTeeNavigator::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanelNoCaption::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPanel) {
        FPanel = nullptr;
        EnableButtons();
    }
}

void TCustomTeeNavigator::TeeEvent(TTeeEvent* Event) {
    DoTeeEvent(Event);
}

// ---- grid navigator ------------------------------------------------------------------------------

TChartGridNavigator::~TChartGridNavigator() {
    if (FGrid) {
        FGrid->FActiveChanged = TNotifyEvent();
        FGrid->FSelectedChanged = TSelectCellEvent();
        FGrid->SetNavigator(nullptr);
        FGrid->RemoveFreeNotification(this);
        FGrid = nullptr;
    }
}

void TChartGridNavigator::SetGrid(TCustomChartGrid* Value) {
    if (FGrid != Value) {
        if (FGrid) {
            FGrid->RemoveFreeNotification(this);
            if (!FGrid->ComponentState().Contains(csDestroying)) {
                FGrid->FActiveChanged = TNotifyEvent();
                FGrid->FSelectedChanged = TSelectCellEvent();
                FGrid->SetNavigator(nullptr);
            }
        }
        FGrid = Value;
        if (FGrid) {
            FGrid->FreeNotification(this);
            FGrid->FActiveChanged = TNotifyEvent(this, &TChartGridNavigator::ActiveChanged);
            FGrid->FSelectedChanged = TSelectCellEvent(this, &TChartGridNavigator::SelectedChanged);
            FGrid->SetNavigator(this);
        }
    }
    EnableButtons();
}

void TChartGridNavigator::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomTeeNavigator::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FGrid) {
        FGrid = nullptr;
        EnableButtons();
    }
}

void TChartGridNavigator::ActiveChanged(TObject*) {
    EnableButtons();
}

void TChartGridNavigator::SelectedChanged(TObject*, int ACol, int ARow, bool&) {
    EnableButtonsColRow(ACol, ARow);
}

void TChartGridNavigator::EnableButtons() {
    TCustomTeeNavigator::EnableButtons();
    if (FGrid)
        EnableButtonsColRow(FGrid->Col(), FGrid->Row());
    else
        for (TTeeNavButton* b : Buttons)
            b->SetEnabled(false);
}

void TChartGridNavigator::EnableButtonsColRow(int, int ARow) {
    if (!FGrid) return;
    const int first = FGrid->FirstRowNum(), rows = FGrid->RowCount();
    TCustomAxisPanel* chart = FGrid->Chart();
    const bool canInsert =
        (!FGrid->ReadOnly() && !FGrid->EditorMode() && chart && chart->SeriesCount() > 0) || FGrid->Series();
    auto enable = [this](TTeeNavigateBtn b, bool on) {
        Buttons[std::size_t(b)]->SetEnabled(on && Enabled());
    };
    enable(nbFirst, ARow > first);
    enable(nbPrior, ARow > first);
    enable(nbNext, ARow < rows - 1);
    enable(nbLast, ARow < rows - 1);
    enable(nbInsert, canInsert);
    enable(nbDelete, rows > 1 && canInsert && FGrid->HasPoints());
    enable(nbEdit, canInsert);
    enable(nbPost, FGrid->EditorMode());
    enable(nbCancel, FGrid->EditorMode());
}

void TChartGridNavigator::BtnClick(TTeeNavigateBtn Index) {
    if (FGrid) {
        const int first = FGrid->FirstRowNum(), last = FGrid->RowCount() - 1, row = FGrid->Row();
        switch (Index) {
        case nbFirst:
            if (row > first) FGrid->SetRow(first);
            break;
        case nbPrior:
            if (row > first) FGrid->SetRow(row - 1);
            break;
        case nbNext:
            if (row < last) FGrid->SetRow(row + 1);
            break;
        case nbLast:
            if (row < last) FGrid->SetRow(last);
            break;
        case nbInsert:
            FGrid->Insert();
            break;
        case nbDelete:
            FGrid->Delete();
            break;
        case nbEdit:
            if (FGrid->CanFocus()) FGrid->SetFocus();
            FGrid->StartEditing();
            break;
        case nbPost:
            FGrid->StopEditing(false);
            break;
        case nbCancel:
            FGrid->StopEditing(true);
            break;
        }
    }
    TCustomTeeNavigator::BtnClick(Index);
}
