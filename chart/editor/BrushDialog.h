// TBrushDialog: the "Pattern Color Editor" of a chart brush: hatch style, colour and back
// colour, transparency, or a fill picture (one of twelve pattern bitmaps, one of seven
// textures, or a picture file). Every choice goes into the brush at once; Cancel gives back
// the brush as it was when the dialog opened. The unit also holds the small picture helpers
// the other property dialogs use.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/ListBox.h"
#include "platform/graphics/Color.h"

class TBitmap;
class TButton;
class TButtonColor;
class TChartBrush;
class TCheckBox;
class TFont;
class TGroupBox;
class TImage;
class TListBox;
class TPanel;
class TPicture;
class TSplitter;

class TBrushDialog : public TForm {
    ORVO_CLASS(TBrushDialog, TForm)
public:
    explicit TBrushDialog(TComponent* AOwner);
    ~TBrushDialog() override;

    // The list lines of the twelve pattern bitmaps and of the seven textures start here.
    static constexpr int FirstPattern = 8;
    static constexpr int FirstTexture = 20;
    static constexpr int LineCount = 27;

    // The brush edited (not owned) and the copy taken when the dialog is shown.
    TChartBrush* TheBrush = nullptr;
    TChartBrush* BackupBrush = nullptr;

    // From the form resource.
    TSplitter* Splitter1 = nullptr;
    TListBox* LStyle = nullptr;
    TPanel* Panel1 = nullptr;
    TButtonColor* BColor = nullptr;
    TButtonColor* BBackColor = nullptr;
    TCheckBox* CBTransp = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TImage* Image1 = nullptr;
    TButton* Button1 = nullptr;
    TImage* ImageMetal = nullptr;
    TImage* ImageWood = nullptr;
    TImage* ImageStone = nullptr;
    TImage* ImageClouds = nullptr;
    TImage* ImageGrass = nullptr;
    TImage* ImageFire = nullptr;
    TImage* ImageSnow = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

    void FormShow(TObject* Sender);
    void LStyleClick(TObject* Sender);
    void LStyleDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void CBTranspClick(TObject* Sender);
    void BBackColorClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void BCancelClick(TObject* Sender);

    // The bitmap of list line Index (a pattern or a copy of a texture) into Bitmap.
    void LineBitmap(int Index, TBitmap* Bitmap);

private:
    bool BrushHasPicture();
    void RefreshImageButton();
    void RefreshStyleState();
};

// Opens the brush dialog on Brush; true after OK.
bool EditChartBrush(TComponent* AOwner, TChartBrush* Brush);
// Runs the system font dialog on a copy of Font; after OK the font takes the chosen one.
bool EditTeeFont(TComponent* AOwner, TFont* Font);
// The picture file the user picks in the open-picture dialog, or an empty text.
String TeeGetPictureFileName(TComponent* AOwner);
// Clears a picture that holds a graphic; otherwise asks for a file and loads it.
void TeeLoadClearImage(TComponent* AOwner, TPicture* Picture);
// Pattern bitmap Index (0 based) from the program's resources, white made transparent.
void GetTeeBrush(int Index, TBitmap* Bitmap);
