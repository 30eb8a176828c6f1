// TFormTeeWall: the chart editor's Walls page: the chart's left, right, bottom and back
// walls, one tab each: colour, border, pattern, gradient, picture, shadow (back wall only),
// size, transparency, visibility, auto hide (not the bottom wall) and the start and end of
// the wall; above the tabs the chart's wall switch and one size for all four walls.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TCustomChart;
class TCustomChartWall;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TTabControl;
class TUpDown;

class TFormTeeWall : public TForm {
    ORVO_CLASS(TFormTeeWall, TForm)
public:
    explicit TFormTeeWall(TComponent* AOwner);
    TFormTeeWall(TComponent* AOwner, TCustomChartWall* Wall);
    // Reads the form resource, then adds the four wall tabs.
    void AfterConstruction() override;

    // Makes Wall the one edited, selects its tab and fills the controls.
    void RefreshControls(TCustomChartWall* Wall);

    TCustomChartWall* TheWall = nullptr;
    bool SettingAllSize = false;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void TabSubWallsChange(TObject* Sender);
    void CBView3dWallsClick(TObject* Sender);
    void EAllSizeChange(TObject* Sender);
    void BWallColorClick(TObject* Sender);
    void BWallBrushClick(TObject* Sender);
    void BGradientClick(TObject* Sender);
    void BImageClick(TObject* Sender);
    void BShadowClick(TObject* Sender);
    void SEWallSizeChange(TObject* Sender);
    void CBTranspClick(TObject* Sender);
    void CBDark3DClick(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void CBAutoHideClick(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void Edit3Change(TObject* Sender);

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TCheckBox* CBView3dWalls = nullptr;
    TLabel* LAllSize = nullptr;
    TEdit* EAllSize = nullptr;
    TUpDown* UDAllSize = nullptr;
    TTabControl* TabSubWalls = nullptr;
    TButtonColor* BWallColor = nullptr;
    TButtonPen* BWallPen = nullptr;
    TButton* BWallBrush = nullptr;
    TButtonGradient* BGradient = nullptr;
    TButton* BImage = nullptr;
    TButton* BShadow = nullptr;
    TLabel* LWallSize = nullptr;
    TEdit* SEWallSize = nullptr;
    TUpDown* UDWallSize = nullptr;
    TCheckBox* CBTransp = nullptr;
    TCheckBox* CBDark3D = nullptr;
    TCheckBox* CBVisible = nullptr;
    TLabel* LTransparency = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDTransparency = nullptr;
    TCheckBox* CBAutoHide = nullptr;
    TGroupBox* GBPosition = nullptr;
    TLabel* LStart = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UDStart = nullptr;
    TLabel* LEnd = nullptr;
    TEdit* Edit3 = nullptr;
    TUpDown* UDEnd = nullptr;

private:
    TCustomChart* Chart() const;
    TCustomChartWall* WallAt(int Index) const;
    int WallIndex(TCustomChartWall* Wall) const;
    // The edits write into the wall only when the user changes them on the shown page.
    bool CanEdit() const;
    int EditValue(TEdit* Edit, TUpDown* UpDown) const;
    bool FRefreshing = false;
};
