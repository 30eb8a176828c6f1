// TTeeFontEditor: the "TeeFont Editor" of a chart font: name, size, style, colour, spacing
// between characters, outline, and on further tabs its shadow, gradient and picture (their
// editors made on the first visit of the tab). Used modally, where Cancel gives back the font
// as it was opened, or embedded in a tab. It frees the editors it inserted, whichever of it
// and its tabs goes first.
#pragma once

#include "platform/controls/CustomForm.h"

class TBackImageEditor;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;
class TTeeFont;
class TTeeGradientEditor;
class TTeeShadowEditor;
class TUpDown;
class TWinControl;

class TTeeFontEditor : public TForm {
    ORVO_CLASS(TTeeFontEditor, TForm)
public:
    explicit TTeeFontEditor(TComponent* AOwner);
    ~TTeeFontEditor() override;
    // Reads the form resource; the OK and Cancel panel starts hidden.
    void AfterConstruction() override;

    void RefreshControls(TTeeFont* Font);

    TTeeFont* TheFont = nullptr;
    TTeeFont* Backup = nullptr;
    TTeeGradientEditor* FGradientEditor = nullptr;
    TTeeShadowEditor* FShadowEditor = nullptr;
    TBackImageEditor* FPicEditor = nullptr;

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabFont = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TComboFlat* CBName = nullptr;
    TEdit* ESize = nullptr;
    TUpDown* UDSize = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TCheckBox* CBBold = nullptr;
    TCheckBox* CBItalic = nullptr;
    TCheckBox* CBUnder = nullptr;
    TCheckBox* CBStrike = nullptr;
    TButtonColor* BColor = nullptr;
    TButton* Button3 = nullptr;
    TTabSheet* TabOptions = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* EInter = nullptr;
    TUpDown* UDInter = nullptr;
    TButtonPen* BOutline = nullptr;
    TCheckBox* CBOutGrad = nullptr;
    TTabSheet* TabShadow = nullptr;
    TTabSheet* TabGradient = nullptr;
    TTabSheet* TabPicture = nullptr;
    TPanel* PanelButtons = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

    void FormShow(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void CBNameChange(TObject* Sender);
    void ESizeChange(TObject* Sender);
    void CBBoldClick(TObject* Sender);
    void CBItalicClick(TObject* Sender);
    void CBUnderClick(TObject* Sender);
    void CBStrikeClick(TObject* Sender);
    void Button3Click(TObject* Sender);
    void EInterChange(TObject* Sender);
    void CBOutGradClick(TObject* Sender);
    void BCancelClick(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void RefreshFontControls();
    void SetStyle(TCheckBox* Box, int Style);
    bool FTranslated = false;
    bool FRefreshing = false;
};

// Opens the font editor with OK and Cancel on Font; true after OK.
bool EditTeeFontEx(TComponent* AOwner, TTeeFont* Font);
// A font editor without owner filling Tab; the host refreshes it with its font and frees it.
TTeeFontEditor* InsertTeeFontEditor(TWinControl* Tab);
