// The chart panel base. TCustomTeePanel is the windowed control every chart stands on: it
// owns the 3-D drawing canvas, the view options, the border pen, the shadow and the four
// margins, and runs one frame (take the target rectangle from the canvas, derive
// ChartBounds and ChartRect, InternalDraw, show the canvas's image). It makes pictures of
// itself (bitmap, metafile, clipboard, printer page) by running the same frame on another
// canvas, and passes mouse and view events to registered listeners.
//
// The panel keeps the canvas's off-screen image between frames: a repaint without an
// Invalidate copies that image to the window and draws nothing.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/Interfaces.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Printer.h"
#include "platform/graphics/Bitmap.h"

#include <vector>

class TCanvas;
class TCanvas3D;
class TChartBrush;
class TChartHiddenPen;
class TChartPen;
class TGraphic;
class TMetafile;
class TTeeCanvas;
class TTeeShadow;
class TView3DOptions;
class TCustomTeePanel;

// A panel that never shows or stores a caption.
class TCustomPanelNoCaption : public TCustomPanel {
    ORVO_CLASS(TCustomPanelNoCaption, TCustomPanel)
public:
    explicit TCustomPanelNoCaption(TComponent* AOwner);
};

// How the panel's margins are measured.
enum TTeeUnits { muPercent, muPixels };
ORVO_DECLARE_ENUM_TYPE(TTeeUnits)

enum TTeeMouseEventKind { meDown, meUp, meMove };

// ---- events and listeners ------------------------------------------------------------------

class TTeeEvent : public TObject {
    ORVO_CLASS(TTeeEvent, TObject)
public:
    // Filled by the broadcast.
    TCustomTeePanel* Sender = nullptr;
};

class TTeeMouseEvent : public TTeeEvent {
    ORVO_CLASS(TTeeMouseEvent, TTeeEvent)
public:
    TTeeMouseEventKind Event = meDown;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    int X = 0;
    int Y = 0;
};

// Sent when View3D changes.
class TTeeView3DEvent : public TTeeEvent {
    ORVO_CLASS(TTeeView3DEvent, TTeeEvent)
};

// A grid, navigator, list box or editor page that follows a panel. Reference-counted:
// the panel's list holds a counted reference to each listener.
class ITeeEventListener : public virtual IInterface {
public:
    virtual void TeeEvent(TTeeEvent* Event) = 0;
};

class TTeeEventListeners : public TObject {
    ORVO_CLASS(TTeeEventListeners, TObject)
public:
    // The existing index when Listener is already present, else the new one.
    int Add(ITeeEventListener* Listener);
    ITeeEventListener* Get(int Index) const;
    ITeeEventListener* operator[](int Index) const { return Get(Index); }
    // The listener's former index, or -1.
    int Remove(ITeeEventListener* Listener);
    int IndexOf(ITeeEventListener* Listener) const;
    int Count() const { return int(FItems.size()); }
    void Clear();

private:
    std::vector<TInterfacePtr<ITeeEventListener>> FItems;
};

// ---- drag state --------------------------------------------------------------------------

// The state of one mouse drag (zoom rectangle or panning): start and current corner in
// client coordinates.
class TZoomPanning : public TPersistent {
    ORVO_CLASS(TZoomPanning, TPersistent)
public:
    TZoomPanning() = default;
    // Starts a drag at (X, Y): both corners there, Active.
    void Activate(int X, int Y);
    // Orders the corners: X0 <= X1, Y0 <= Y1.
    void Check();
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }

    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

protected:
    bool FActive = false;
};

using TTeePrintEvent = TEvent<TCustomTeePanel*, TCanvas*, const TRect&>;
ORVO_DECLARE_EVENT_TYPE(TTeePrintEvent)

// ---- library-wide switches -------------------------------------------------------------------
extern bool TeeClipWhenPrinting;
extern bool TeeClipWhenMetafiling;
// Whether the window background is erased by the standard handler.
extern bool TeeEraseBack;
// Whether the panel background and bevels are drawn when printing.
extern bool PrintTeePanel;

// ---- the panel -------------------------------------------------------------------------------

class TCustomTeePanel : public TCustomPanelNoCaption {
    ORVO_CLASS(TCustomTeePanel, TCustomPanelNoCaption)
public:
    explicit TCustomTeePanel(TComponent* AOwner);
    ~TCustomTeePanel() override;

    // ---- class library operations ----
    void Assign(TPersistent* Source) override;
    void Invalidate() override;

    // ---- new operations, in slot order ----
    // The panel colour.
    virtual TColor GetBackColor();
    // The frame's contents; empty here.
    virtual void InternalDraw(const TRect& UserRectangle);
    // Repaints: the change handler of the panel's own pens, shadow and gradients.
    virtual void CanvasChanged(TObject* Sender);
    // One frame into UserRect of UserCanvas.
    virtual void Draw(TCanvas* UserCanvas, const TRect& UserRect);
    // The client rectangle when the panel has a parent window, else (0, 0, Width, Height).
    virtual TRect GetRectangle();
    // The border pen and the bevels (called by the background painting).
    virtual void DrawPanelBevels(const TRect& Rect);

    void Draw();

    // ---- properties ----
    bool ApplyZOrder() const { return FApplyZOrder; }
    void SetApplyZOrder(bool Value) { SetBooleanProperty(FApplyZOrder, Value); }
    bool AutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }
    TChartHiddenPen* Border() const { return FBorder; }
    void SetBorder(TChartHiddenPen* Value);
    int BorderRound() const { return FBorderRound; }
    void SetBorderRound(int Value);
    // bsSingle while the border is visible.
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle Value);
    bool BufferedDisplay() const;
    void SetBufferedDisplay(bool Value);
    bool CancelMouse() const { return FCancelMouse; }
    void SetCancelMouse(bool Value) { FCancelMouse = Value; }
    TCanvas3D* Canvas() const { return InternalCanvas; }
    // Installs NewCanvas (null is ignored); it takes the old canvas's settings and the old
    // one is freed.
    void SetInternalCanvas(TCanvas3D* NewCanvas);
    const TRect& ChartBounds() const { return FChartBounds; }
    int ChartHeight() const { return FChartHeight; }
    int ChartWidth() const { return FChartWidth; }
    int ChartXCenter() const { return FChartXCenter; }
    int ChartYCenter() const { return FChartYCenter; }
    bool CustomChartRect() const { return FCustomChartRect; }
    void SetCustomChartRect(bool Value) { FCustomChartRect = Value; }
    TCanvas* VclCanvas() const { return FVclCanvas; }
    int Height3D() const { return FHeight3D; }
    void SetHeight3D(int Value) { FHeight3D = Value; }
    int Width3D() const { return FWidth3D; }
    void SetWidth3D(int Value) { FWidth3D = Value; }
    TZoomPanning* IPanning() const { return FPanning; }
    TCursor OriginalCursor() const { return FOriginalCursor; }
    void SetOriginalCursor(TCursor Value) { FOriginalCursor = Value; }
    bool Printing() const { return FPrinting; }
    void SetPrinting(bool Value) { FPrinting = Value; }
    int PrintResolution() const { return FPrintResolution; }
    void SetPrintResolution(int Value) { FPrintResolution = Value; }
    // Index 0 left, 1 top, 2 right, 3 bottom.
    int GetMargin(int Index) const;
    void SetMargin(int Index, int Value);
    int MarginLeft() const { return GetMargin(0); }
    void SetMarginLeft(int Value) { SetMargin(0, Value); }
    int MarginTop() const { return GetMargin(1); }
    void SetMarginTop(int Value) { SetMargin(1, Value); }
    int MarginRight() const { return GetMargin(2); }
    void SetMarginRight(int Value) { SetMargin(2, Value); }
    int MarginBottom() const { return GetMargin(3); }
    void SetMarginBottom(int Value) { SetMargin(3, Value); }
    const TRect& Margins() const { return FMargins; }
    TTeeUnits MarginUnits() const { return FMarginUnits; }
    void SetMarginUnits(TTeeUnits Value);
    bool Monochrome() const;
    void SetMonochrome(bool Value);
    const TRect& PrintMargins() const { return FPrintMargins; }
    const TRect& GetPrintMargins() const { return FPrintMargins; }
    void SetPrintMargins(const TRect& Value) { FPrintMargins = Value; }
    bool PrintProportional() const { return FPrintProportional; }
    void SetPrintProportional(bool Value) { FPrintProportional = Value; }
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    bool View3D() const { return FView3D; }
    // Repaints and broadcasts a TTeeView3DEvent when it changes.
    void SetView3D(bool Value);
    TView3DOptions* View3DOptions() const { return FView3DOptions; }
    void SetView3DOptions(TView3DOptions* Value);
    TView3DOptions* Aspect() const { return FView3DOptions; }
    void SetAspect(TView3DOptions* Value) { SetView3DOptions(Value); }
    TTeeEventListeners* Listeners() const { return IEventListeners; }

    // ---- setters of the whole engine: store on change and repaint ----
    void SetStringProperty(String& Variable, const String& Value);
    void SetDoubleProperty(double& Variable, double Value);
    void SetColorProperty(TColor& Variable, TColor Value);
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);

    // Prepares the canvas brush from a chart brush (a pattern in the back colour turns
    // black, or white on black).
    void SetBrushCanvas(TColor AColor, TChartBrush* ABrush, TColor ABackColor);
    TPoint GetCursorPos();
    bool IsScreenHighColor();
    bool CanClip();
    // ChartRect's size and centre, with a degenerate rectangle made at least one pixel.
    void ReCalcWidthHeight();

    // ---- mouse and listeners ----
    TTeeEvent* BroadcastTeeEvent(TTeeEvent* Event);
    void BroadcastMouseEvent(TTeeMouseEventKind Kind, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RemoveListener(ITeeEventListener* Listener);

    // ---- picture output ----
    // The caller owns the returned objects.
    TBitmap* TeeCreateBitmap();
    TBitmap* TeeCreateBitmap(TColor ABackColor, const TRect& Rect, TPixelFormat APixelFormat = pfDevice);
    void SaveToBitmapFile(const String& FileName);
    void SaveToBitmapFile(const String& FileName, const TRect& R);
    void CopyToClipboardBitmap();
    void CopyToClipboardBitmap(const TRect& R);
    TMetafile* TeeCreateMetafile(bool Enhanced, const TRect& Rect);
    void SaveToMetafile(const String& FileName);
    void SaveToMetafileEnh(const String& FileName);
    void SaveToMetafileRect(bool Enhanced, const String& FileName, const TRect& Rect);
    void CopyToClipboardMetafile(bool Enhanced);
    void CopyToClipboardMetafile(bool Enhanced, const TRect& R);
    void DrawToMetaCanvas(TCanvas* ACanvas, const TRect& Rect);
    void NonBufferDraw(TCanvas* ACanvas, const TRect& R);

    // ---- printing ----
    void Print();
    void PrintPortrait();
    void PrintLandscape();
    void PrintOrientation(TPrinterOrientation Orientation);
    void PrintRect(const TRect& R);
    void PrintPartial(const TRect& PrinterRect);
    void PrintPartialCanvas(TCanvas* PrintCanvas, const TRect& PrinterRect);
    TRect ChartPrintRect();
    TRect CalcProportionalMargins();
    void CalcMetaBounds(TRect& R, const TRect& AChartRect, int& ViewWidth, int& ViewHeight, int& WinWidth,
                        int& WinHeight);

    TTeePrintEvent OnBeforePrint;

    // The inner plotting rectangle.
    TRect ChartRect;
    // The drawing canvas (public as Canvas).
    TCanvas3D* InternalCanvas = nullptr;

protected:
    void AssignTo(TPersistent* Dest) override;
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& Message) override;
    void EraseBackground(HDC DC) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

public:
    void DblClick() override;

protected:
    // Applies or removes the rounded window region.
    void SetControlRounded();

    bool FApplyZOrder = true;
    bool FAutoRepaint = true;
    TChartHiddenPen* FBorder = nullptr;
    int FBorderRound = 0;
    bool FCancelMouse = false;
    TRect FChartBounds;
    int FChartWidth = 0;
    int FChartHeight = 0;
    int FChartXCenter = 0;
    int FChartYCenter = 0;
    TCanvas* FVclCanvas = nullptr;
    int FHeight3D = 0;
    TRect FMargins{3, 4, 3, 4};
    TTeeUnits FMarginUnits = muPercent;
    TCursor FOriginalCursor = 0;
    TZoomPanning* FPanning = nullptr;
    bool FPrinting = false;
    TRect FPrintMargins{15, 15, 15, 15};
    bool FPrintProportional = true;
    int FPrintResolution = 0;
    TTeeShadow* FShadow = nullptr;
    bool FView3D = true;
    TView3DOptions* FView3DOptions = nullptr;
    int FWidth3D = 0;
    TTeeEventListeners* IEventListeners = nullptr;
    bool IRounding = false;
    bool FCustomChartRect = false;

private:
    void ReadBorderStyle(TReader* Reader);
};

// Horizontal size divided by vertical size of the canvas's device in millimetres; 0 when
// the vertical size is 0.
double ScreenRatio(TCanvas* ACanvas);

// A bevel of Width pixels in Rect on ACanvas (rounded with Round > 0); Rect shrinks by it.
void DrawBevel(TTeeCanvas* ACanvas, TBevelCut Bevel, TRect& R, int Width, int Round);
