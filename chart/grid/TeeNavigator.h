// Navigator button bars: TCustomTeeNavigator is a flat bar of nine small buttons (first,
// prior, next, last, insert, delete, edit, post, cancel) laid out across its width, with
// hints, keyboard focus moving between them and a held button repeating its click.
// Descendants decide what the buttons do: TChartGridNavigator moves through and edits a
// chart data grid.
#pragma once

#include "chart/engine/panel/CustomTeePanel.h"
#include "platform/controls/SpeedButton.h"

#include <array>

class TCustomChartGrid;
class TStringList;
class TTimer;

enum TTeeNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel };
ORVO_DECLARE_ENUM_TYPE(TTeeNavigateBtn)

using TTeeNavClick = TEvent<TTeeNavigateBtn>;
ORVO_DECLARE_EVENT_TYPE(TTeeNavClick)

// A bar button that repeats its click while held: once on the press, again after 400 ms,
// then every 100 ms, and not once more on the release.
class TTeeNavButton : public TSpeedButton {
    ORVO_CLASS(TTeeNavButton, TSpeedButton)
public:
    explicit TTeeNavButton(TComponent* AOwner) : TSpeedButton(AOwner) {}
    ~TTeeNavButton() override;
    // A click from the keyboard or the program; the mouse's own release click is dropped.
    void Click() override;

    TTeeNavigateBtn FIndex = nbFirst;
    TTimer* FRepeatTimer = nullptr;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;

private:
    void TimerExpired(TObject* Sender);
    bool FHeld = false;
};

class TCustomTeeNavigator : public TCustomPanelNoCaption, public ITeeEventListener {
    ORVO_CLASS(TCustomTeeNavigator, TCustomPanelNoCaption)
public:
    explicit TCustomTeeNavigator(TComponent* AOwner);
    ~TCustomTeeNavigator() override;

    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }
    void TeeEvent(TTeeEvent* Event) override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // ---- new operations, in slot order ----
    virtual void InitButtons();
    virtual void DoTeeEvent(TTeeEvent* Event) { (void)Event; }
    virtual void SetPanel(TCustomTeePanel* Value);
    virtual void EnableButtons() {}
    virtual int PageCount() { return 1; }
    virtual void Print() {}
    virtual void BtnClick(TTeeNavigateBtn Index);

    void InitHints();
    // Lays the visible buttons out across W (at least 20 each) and H (at least 18).
    void SetSize(int& W, int& H);
    void CheckSize();

    TCustomTeePanel* Panel() const { return FPanel; }
    // Lines that override the default hints, button by button; an empty line keeps it.
    TStringList* Hints() const { return FHints; }
    void SetHints(TStrings* Value);
    TTeeNavButton* Button(TTeeNavigateBtn Index) const { return Buttons[std::size_t(Index)]; }
    TTeeNavigateBtn FocusedButton = nbFirst;
    int ButtonWidth = 0;
    TPoint MinBtnSize{20, 18};

    TTeeNavClick OnButtonClicked;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

    std::array<TTeeNavButton*, 9> Buttons{};

private:
    friend class TTeeNavButton;
    void HintsChanged(TObject* Sender);
    void ClickHandler(TObject* Sender);
    void BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RepaintButton(TTeeNavigateBtn Index);

    TStringList* FHints = nullptr;
    TStringList* FDefHints = nullptr;
    TCustomTeePanel* FPanel = nullptr;
    bool FSizing = false;
};

class TChartGridNavigator : public TCustomTeeNavigator {
    ORVO_CLASS(TChartGridNavigator, TCustomTeeNavigator)
public:
    explicit TChartGridNavigator(TComponent* AOwner) : TCustomTeeNavigator(AOwner) {}
    ~TChartGridNavigator() override;

    TCustomChartGrid* Grid() const { return FGrid; }
    void SetGrid(TCustomChartGrid* Value);
    void EnableButtons() override;
    void BtnClick(TTeeNavigateBtn Index) override;
    // The buttons for the grid's cell ACol, ARow.
    void EnableButtonsColRow(int ACol, int ARow);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ActiveChanged(TObject* Sender);
    void SelectedChanged(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    TCustomChartGrid* FGrid = nullptr;
};
