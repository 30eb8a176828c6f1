// TTeePreviewPanel: a sheet of paper shaped like the current printer's page, with each of
// its charts drawn where it will print. The user drags the first chart's margins or the
// whole chart on the paper; Print sends every chart to the printer on one page.
#pragma once

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/panel/TeePanelExtended.h"

#include <vector>

class TBitmap;
class TTeeShadow;

// The charts shown on one page, in drawing order. A chart put into the list is watched
// by the list's owner, so that one freed elsewhere leaves the list instead of being drawn.
class TTeePanelsList : public TObject {
    ORVO_CLASS(TTeePanelsList, TObject)
public:
    explicit TTeePanelsList(TComponent* AOwner = nullptr) : FOwner(AOwner) {}
    int Count() const { return int(FItems.size()); }
    TCustomTeePanel* Get(int Index) const;
    void Put(int Index, TCustomTeePanel* Value);
    TCustomTeePanel* operator[](int Index) const { return Get(Index); }
    int Add(TCustomTeePanel* Value);
    void Delete(int Index);
    int Remove(TCustomTeePanel* Value);
    int IndexOf(TCustomTeePanel* Value) const;
    void Clear() { FItems.clear(); }

private:
    void Watch(TCustomTeePanel* Value);
    TComponent* FOwner = nullptr;
    std::vector<TCustomTeePanel*> FItems;
};

// The pen of the margin lines: dotted, in single dots.
class TPreviewChartPen : public TChartPen {
    ORVO_CLASS(TPreviewChartPen, TChartPen)
public:
    TPreviewChartPen() : TPreviewChartPen(TNotifyEvent()) {}
    explicit TPreviewChartPen(TNotifyEvent OnChangeEvent);
};

enum TTeePreviewPanelOrientation { ppoDefault, ppoPortrait, ppoLandscape };
ORVO_DECLARE_ENUM_TYPE(TTeePreviewPanelOrientation)

// The part of the preview under the mouse.
enum TeePreviewZones {
    teePrev_None,
    teePrev_Left,
    teePrev_Top,
    teePrev_Right,
    teePrev_Bottom,
    teePrev_Image,
    teePrev_LeftTop,
    teePrev_RightTop,
    teePrev_LeftBottom,
    teePrev_RightBottom
};

using TTeePreviewChangeMarginsEvent = TEvent<TObject*, bool, const TRect&>;
ORVO_DECLARE_EVENT_TYPE(TTeePreviewChangeMarginsEvent)
using TTeePreviewGetPaperRect = TEvent<TObject*, TRect&>;
ORVO_DECLARE_EVENT_TYPE(TTeePreviewGetPaperRect)

// The paper rectangle for a client area and a page size (see TTeePreviewPanel::PaperRect).
TRect TeePreviewPaperRect(int ClientWidth, int ClientHeight, int PageWidth, int PageHeight);

class TTeePreviewPanel : public TCustomTeePanelExtended {
    ORVO_CLASS(TTeePreviewPanel, TCustomTeePanelExtended)
public:
    explicit TTeePreviewPanel(TComponent* AOwner);
    ~TTeePreviewPanel() override;

    // Prints every listed chart on one page; nothing when the list is empty. A chart that
    // fails to print aborts the job and its error is passed on.
    void Print();

    void DrawPaper();
    void DrawMargins(const TRect& R);
    void DrawPanelImage(TCustomTeePanel* APanel);
    // Where APanel's chart lies on the paper, in pixels.
    void CalcImagePrintMargins(TCustomTeePanel* APanel, TRect& R);
    TeePreviewZones WhereIsCursor(int X, int Y);
    // A new 24-bit bitmap of APanel at the size it takes on the paper, on PaperColor.
    TBitmap* GetPrintingBitmap(TCustomTeePanel* APanel);
    // Stretch-draws that bitmap onto ACanvas in R.
    void SendAsBitmap(TCustomTeePanel* APanel, TCanvas* ACanvas, const TRect& R);
    // The paper for the current client size and printer page (OnGetPaperRect applied).
    TRect CalcPaperRect();

    bool AllowResize() const { return FAllowResize; }
    void SetAllowResize(bool Value) { FAllowResize = Value; }
    bool AllowMove() const { return FAllowMove; }
    void SetAllowMove(bool Value) { FAllowMove = Value; }
    bool AsBitmap() const { return FAsBitmap; }
    void SetAsBitmap(bool Value);
    TTeePanelsList* Panels() const { return FPanels; }
    TCustomTeePanel* Panel() const;
    void SetPanel(TCustomTeePanel* Value);
    bool DragImage() const { return FDragImage; }
    void SetDragImage(bool Value) { FDragImage = Value; }
    TPreviewChartPen* Margins() const { return FMargins; }
    void SetMargins(TPreviewChartPen* Value);
    TTeePreviewPanelOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTeePreviewPanelOrientation Value);
    TColor PaperColor() const { return FPaperColor; }
    void SetPaperColor(TColor Value) { SetColorProperty(FPaperColor, Value); }
    TTeeShadow* PaperShadow() const { return FPaperShadow; }
    void SetPaperShadow(TTeeShadow* Value);
    TColor GetShadowColor() const;
    void SetShadowColor(TColor Value);
    int GetShadowSize() const;
    void SetShadowSize(int Value);
    bool ShowImage() const { return FShowImage; }
    void SetShowImage(bool Value) { SetBooleanProperty(FShowImage, Value); }
    bool SmoothBitmap() const { return FSmoothBitmap; }
    void SetSmoothBitmap(bool Value) { SetBooleanProperty(FSmoothBitmap, Value); }
    String Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }

    const TRect& ImageRect() const { return FImageRect; }
    const TRect& PaperRect() const { return FPaperRect; }
    TeePreviewZones Dragged() const { return IDragged; }

    TTeePreviewChangeMarginsEvent OnChangeMargins;
    TTeePreviewGetPaperRect OnGetPaperRect;

    void InternalDraw(const TRect& UserRectangle) override;

    // The mouse handling, public so that tests and the dialog drive it directly.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void CanvasChangedHandler(TObject* Sender);
    void ApplyOrientation();
    void ChangeMargins();

    bool FAllowResize = true;
    bool FAllowMove = true;
    bool FAsBitmap = false;
    TTeePanelsList* FPanels = nullptr;
    bool FDragImage = false;
    TPreviewChartPen* FMargins = nullptr;
    TTeePreviewPanelOrientation FOrientation = ppoDefault;
    TColor FPaperColor = clWhite;
    TTeeShadow* FPaperShadow = nullptr;
    bool FShowImage = true;
    bool FSmoothBitmap = true;
    String FTitle;
    TeePreviewZones IDragged = teePrev_None;
    int OldX = 0;
    int OldY = 0;
    TRect OldRect;
    TRect FImageRect;
    TRect FPaperRect;
};

// The cursor of each zone.
TCursor TeePreviewZoneCursor(TeePreviewZones Zone);
// True when the system offers at least one printer.
bool TeePrintersExist();
