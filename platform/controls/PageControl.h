// TPageControl and TTabSheet: pages of controls with one tab per visible page. Pages are
// counted among all sheets, hidden ones included (ActivePageIndex, PageIndex); the tab
// strip shows only sheets with TabVisible. A sheet moves to another page control by
// setting its PageControl. Hiding the tab of the active page makes the next page with a
// visible tab active, without OnChange; a click on a tab fires OnChanging and OnChange.
#pragma once

#include "platform/controls/TabControl.h"

#include <vector>

class TPageControl;

class TTabSheet : public TWinControl {
    ORVO_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    // Moves the sheet to another page control (null: takes it out).
    void SetPageControl(TPageControl* Value);
    // The position among the page control's sheets.
    int PageIndex() const;
    void SetPageIndex(int Value);
    // The position of the sheet's tab among the visible tabs, -1 when hidden.
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    // A sheet's parent is its page control (form resources nest sheets in it).
    void SetParent(TWinControl* AParent) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void SetTextValue(const String& Value) override;
    void ReadState(TReader* Reader) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};

class TPageControl : public TCustomTabControl {
    ORVO_CLASS(TPageControl, TCustomTabControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // Shows Page (one of this control's sheets; null shows none) without the change
    // events.
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The next sheet after CurPage (wrapping round) with a visible tab when CheckTabVisible;
    // nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    void SelectNextPage(bool GoForward, bool CheckTabVisible = true);
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Change() override;
    void ShowControl(TControl* AControl);
    void Loaded() override;
    void SetChildOrder(TComponent* Child, int Order) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int NewIndex);
    // Rebuilds the tab strip from the sheets with a visible tab.
    void UpdateTabs();
    void ChangeActivePage(TTabSheet* Page);
    void PlacePages();
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FUpdatingTabs = false;
};
