#include "platform/controls/PageControl.h"

#include "platform/classes/StringList.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTabSheet, TWinControl)
ORVO_IMPLEMENT_CLASS(TPageControl, TCustomTabControl)

// ---- TTabSheet ---------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csDoubleClicks, csParentBackground};
    SetAlign(alClient);
    // A sheet shows only while it is its page control's active page.
    TWinControl::SetVisible(false);
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
    TWinControl::SetParent(AParent);
    // Parented on a page control, the sheet is one of its pages; anywhere else it is a
    // plain container (a sheet can be shown on a panel and brought back).
    auto* pc = dynamic_cast<TPageControl*>(AParent);
    if (pc != FPageControl) {
        if (FPageControl) FPageControl->RemovePage(this);
        if (pc)
            pc->InsertPage(this);
        else
            TWinControl::SetVisible(true);
    }
}

void TTabSheet::SetPageControl(TPageControl* Value) {
    if (Value == FPageControl) return;
    SetParent(Value);
}

void TTabSheet::ReadState(TReader* Reader) {
    TWinControl::ReadState(Reader);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
    if (FPageControl) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
    if (!FTabVisible || !FPageControl) return -1;
    int index = 0;
    for (TTabSheet* p : FPageControl->FPages) {
        if (p == this) return index;
        if (p->FTabVisible) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool Value) {
    if (FTabVisible == Value) return;
    FTabVisible = Value;
    if (!FPageControl) return;
    FPageControl->UpdateTabs();
    if (!Value && FPageControl->FActivePage == this) {
        // The next page with a visible tab takes over, as if chosen from code: no OnChange.
        TTabSheet* next = FPageControl->FindNextPage(this, true, true);
        FPageControl->ChangeActivePage(next != this ? next : nullptr);
    } else if (Value && !FPageControl->FActivePage) {
        FPageControl->ChangeActivePage(this);
    }
}

void TTabSheet::SetTextValue(const String& Value) {
    TWinControl::SetTextValue(Value);
    if (FPageControl) FPageControl->UpdateTabs();
}

// ---- TPageControl ------------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
}

TPageControl::~TPageControl() {
    // The sheets are controls of this one and go with it; they must not call back.
    for (TTabSheet* p : FPages)
        p->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const {
    if (Index < 0 || Index >= PageCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FPages[std::size_t(Index)];
}

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    Page->FPageControl = this;
    UpdateTabs();
    Page->TWinControl::SetVisible(false);
    if (!FActivePage && Page->FTabVisible && !ComponentState().Contains(csLoading)) ChangeActivePage(Page);
    PlacePages();
}

void TPageControl::RemovePage(TTabSheet* Page) {
    auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    TTabSheet* next = nullptr;
    if (FActivePage == Page) {
        next = FindNextPage(Page, true, true);
        if (next == Page) next = nullptr;
    }
    FPages.erase(it);
    Page->FPageControl = nullptr;
    if (FActivePage == Page) {
        FActivePage = nullptr;
        if (!ComponentState().Contains(csDestroying)) ChangeActivePage(next);
    }
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* Page, int NewIndex) {
    auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    NewIndex = std::clamp(NewIndex, 0, PageCount());
    FPages.insert(FPages.begin() + NewIndex, Page);
    UpdateTabs();
}

void TPageControl::UpdateTabs() {
    FUpdatingTabs = true;
    Tabs()->BeginUpdate();
    Tabs()->Clear();
    for (TTabSheet* p : FPages)
        if (p->FTabVisible) Tabs()->AddObject(p->Caption(), p);
    Tabs()->EndUpdate();
    FTabIndex = FActivePage ? FActivePage->TabIndex() : -1;
    FUpdatingTabs = false;
    Invalidate();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
    if (FPages.empty()) return nullptr;
    const int count = PageCount();
    auto it = std::find(FPages.begin(), FPages.end(), CurPage);
    int start = it == FPages.end() ? (GoForward ? count - 1 : 0) : int(it - FPages.begin());
    int i = start;
    for (int n = 0; n < count; ++n) {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* p = FPages[std::size_t(i)];
        if (!CheckTabVisible || p->FTabVisible) return p;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible) {
    TTabSheet* page = FindNextPage(FActivePage, GoForward, CheckTabVisible);
    if (page && page != FActivePage && CanChange()) {
        ChangeActivePage(page);
        Change();
    }
}

void TPageControl::ChangeActivePage(TTabSheet* Page) {
    if (Page == FActivePage) return;
    TTabSheet* old = FActivePage;
    FActivePage = Page;
    if (Page) {
        PlacePages();
        Page->TWinControl::SetVisible(true);
        Page->BringToFront();
        if (Page->OnShow) Page->OnShow(Page);
    }
    if (old) {
        old->TWinControl::SetVisible(false);
        if (old->OnHide) old->OnHide(old);
    }
    FTabIndex = Page ? Page->TabIndex() : -1;
    Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* Page) {
    if (Page && Page->FPageControl != this) return;
    ChangeActivePage(Page);
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value) {
    if (Value >= 0 && Value < PageCount())
        SetActivePage(FPages[std::size_t(Value)]);
    else
        SetActivePage(nullptr);
}

void TPageControl::Change() {
    // A click selected a tab: its sheet becomes the active page before OnChange.
    if (FTabIndex >= 0 && FTabIndex < Tabs()->Count()) {
        auto* page = static_cast<TTabSheet*>(Tabs()->Objects(FTabIndex));
        if (page != FActivePage) {
            const int tab = FTabIndex;
            ChangeActivePage(page);
            FTabIndex = tab;
        }
    }
    TCustomTabControl::Change();
}

void TPageControl::PlacePages() {
    const TRect r = DisplayRect();
    for (TTabSheet* p : FPages)
        p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TPageControl::AlignControls(TControl* AControl, TRect& Rect) {
    // The sheets fill the display area whatever their Align; other children align as usual.
    TCustomTabControl::AlignControls(AControl, Rect);
    PlacePages();
}

void TPageControl::ShowControl(TControl* AControl) {
    if (auto* page = dynamic_cast<TTabSheet*>(AControl); page && page->FPageControl == this)
        SetActivePage(page);
}

void TPageControl::Loaded() {
    TCustomTabControl::Loaded();
    UpdateTabs();
    if (!FActivePage) {
        for (TTabSheet* p : FPages)
            if (p->FTabVisible) {
                ChangeActivePage(p);
                break;
            }
    }
    PlacePages();
}

void TPageControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
    // Sheets are streamed in page order.
    for (TTabSheet* p : FPages)
        Proc(p);
    (void)Root;
}

void TPageControl::SetChildOrder(TComponent* Child, int Order) {
    if (auto* page = dynamic_cast<TTabSheet*>(Child)) page->SetPageIndex(Order);
}

// ---- published ---------------------------------------------------------------------------------

namespace {
TTabSheet* activePage(TPageControl* pc) {
    return pc->ActivePage();
}
void setActivePage(TPageControl* pc, TTabSheet* page) {
    pc->SetActivePage(page);
}
TPageControl* sheetPageControl(TTabSheet* s) {
    return s->PageControl();
}
void setSheetPageControl(TTabSheet* s, TPageControl* pc) {
    s->SetPageControl(pc);
}
} // namespace

ORVO_PUBLISHED(TTabSheet) {
    PublishControlBasics(P);
    P.Property("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption);
    P.Property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(-1);
    P.Property("PageControl", &sheetPageControl, &setSheetPageControl).Stored(false);
    P.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
    P.Property("OnShow", &TTabSheet::OnShow);
    P.Property("OnHide", &TTabSheet::OnHide);
}

ORVO_PUBLISHED(TPageControl) {
    PublishWinControlBasics(P);
    P.Property("ActivePage", &activePage, &setActivePage);
    P.Property("DoubleBuffered", &TPageControl::DoubleBuffered, &TPageControl::SetDoubleBuffered);
    P.Property("OnChange", &TPageControl::OnChange);
    P.Property("OnChanging", &TPageControl::OnChanging);
}
