// TFormTeeGeneral: the chart editor's General page: zoom and scroll options, the chart's mouse
// cursor (also one loaded from a cursor or animated cursor file), and one place to edit
// every font of the chart at once: a change made to the font shown is copied, attribute by
// attribute, to every other selected font.
#pragma once

#include "platform/classes/Event.h"
#include "platform/controls/CustomForm.h"

#include <map>

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TComboFlat;
class TCustomChart;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TListBox;
class TPageControl;
class TPanel;
class TRadioGroup;
class TSplitter;
class TTabSheet;
class TTeeFont;
class TTeeFontEditor;
class TUpDown;

class TFormTeeGeneral : public TForm {
    ORVO_CLASS(TFormTeeGeneral, TForm)
public:
    explicit TFormTeeGeneral(TComponent* AOwner);
    TFormTeeGeneral(TComponent* AOwner, TCustomChart* Chart);
    ~TFormTeeGeneral() override;

    // Lists the fonts of the chart's titles, legend, series, tools and axes; the chart
    // title's font selected and shown.
    void FillFonts();
    // Copies what changed in the font shown to every other selected font.
    void ChangedFont(TObject* Sender);
    // The font shown (null when none).
    TTeeFont* ShownFont() const { return IFont; }

    TCustomChart* TheChart = nullptr;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void FormHide(TObject* Sender);
    void CBAllowZoomClick(TObject* Sender);
    void CBAnimatedZoomClick(TObject* Sender);
    void SEAniZoomStepsChange(TObject* Sender);
    void EMinPixChange(TObject* Sender);
    void CBDirChange(TObject* Sender);
    void CBZoomMouseChange(TObject* Sender);
    void CBUpLeftClick(TObject* Sender);
    void RGPanningClick(TObject* Sender);
    void CBScrollMouseChange(TObject* Sender);
    void CBCursorChange(TObject* Sender);
    void BLoadClick(TObject* Sender);
    void LBFontsClick(TObject* Sender);
    void BZoomColorClick(TObject* Sender);

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabZoom = nullptr;
    TTabSheet* TabScroll = nullptr;
    TTabSheet* TabCursor = nullptr;
    TTabSheet* TabFonts = nullptr;
    TCheckBox* CBAllowZoom = nullptr;
    TCheckBox* CBAnimatedZoom = nullptr;
    TLabel* LSteps = nullptr;
    TEdit* SEAniZoomSteps = nullptr;
    TUpDown* UDAniZoomSteps = nullptr;
    TButtonPen* BZoomPen = nullptr;
    TButton* BZoomColor = nullptr;
    TLabel* LMinPix = nullptr;
    TEdit* EMinPix = nullptr;
    TUpDown* UDMinPix = nullptr;
    TLabel* LDir = nullptr;
    TComboFlat* CBDir = nullptr;
    TLabel* LZoomMouse = nullptr;
    TComboFlat* CBZoomMouse = nullptr;
    TCheckBox* CBUpLeft = nullptr;
    TRadioGroup* RGPanning = nullptr;
    TLabel* LScrollMouse = nullptr;
    TComboFlat* CBScrollMouse = nullptr;
    TLabel* LCursor = nullptr;
    TComboFlat* CBCursor = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TImage* ImageCursor = nullptr;
    TButton* BLoad = nullptr;
    TListBox* LBFonts = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* PanelFont = nullptr;

    // The font editor shown beside the list (made on first use, freed with the page).
    TTeeFontEditor* IFontEditor = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Unhook();
    void EnableZoomControls();
    void PreviewCursor();
    void SetChartCursor(TCursor Cursor);
    void AddFont(const String& Text, TTeeFont* Font, TComponent* Element);
    TTeeFont* IFont = nullptr;
    TTeeFont* IBackup = nullptr;
    TNotifyEvent OldChange;
    // The component each listed font belongs to (none for the chart's own parts).
    std::map<TTeeFont*, TComponent*> FFontElements;
    bool FFilling = false;
};
