// TFormTee3D: the chart editor's 3D page: the chart's 3-D switch, depth and view options
// (zoom, rotation, elevation, offsets, perspective, orthogonal angle, text zoom), and a
// gallery of six ready-made views.
#pragma once

#include "platform/controls/CustomForm.h"

#include <vector>

class TChartGalleryPanel;
class TCheckBox;
class TCustomAxisPanel;
class TCustomChart;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;
class TTrackBar;
class TUpDown;

class TFormTee3D : public TForm {
    ORVO_CLASS(TFormTee3D, TForm)
public:
    explicit TFormTee3D(TComponent* AOwner);
    TFormTee3D(TComponent* AOwner, TCustomAxisPanel* Chart);

    // Enables the controls that the 3-D switch, the orthogonal flag and the canvas allow.
    void CheckControls();
    // Fills the controls from the chart.
    void RefreshOptions();
    // The mini charts of the views gallery (none before the Views tab was shown, or when no
    // series type is registered), and the one the chart's settings match (-1 for none).
    int ViewCount() const { return int(FViewCharts.size()); }
    TCustomChart* ViewChart(int Index) const { return FViewCharts.at(std::size_t(Index)); }
    int SelectedView() const { return FSelectedView; }
    // Makes the view at Index the chart's (as a click on its mini chart does).
    void SelectView(int Index);

    TCustomAxisPanel* TheChart = nullptr;
    bool Changing = false;
    bool AllowRotation = true;
    bool ResetTab3D = true;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void CBView3dClick(TObject* Sender);
    void ViewChartClick(TObject* Sender);
    void ChartGalleryPanel1ChangeChart(TObject* Sender);
    void CBOrthogonalClick(TObject* Sender);
    void CBZoomTextClick(TObject* Sender);
    void CBClipPointsClick(TObject* Sender);
    void SE3dChange(TObject* Sender);
    void EOrthoAngleChange(TObject* Sender);
    void ETextSizeChange(TObject* Sender);
    void SBZoomChange(TObject* Sender);
    void SBRotationChange(TObject* Sender);
    void SBElevationChange(TObject* Sender);
    void SBHOffsetChange(TObject* Sender);
    void SBVOffsetChange(TObject* Sender);
    void SBPerspecChange(TObject* Sender);

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabOptions = nullptr;
    TTabSheet* TabViews = nullptr;
    TCheckBox* CBView3d = nullptr;
    TLabel* L3d = nullptr;
    TEdit* SE3d = nullptr;
    TUpDown* UD3d = nullptr;
    TCheckBox* CBOrthogonal = nullptr;
    TLabel* L1 = nullptr;
    TTrackBar* SBZoom = nullptr;
    TLabel* LZoom = nullptr;
    TLabel* L2 = nullptr;
    TTrackBar* SBRotation = nullptr;
    TLabel* LRotation = nullptr;
    TLabel* L3 = nullptr;
    TTrackBar* SBElevation = nullptr;
    TLabel* LElevation = nullptr;
    TLabel* L4 = nullptr;
    TTrackBar* SBHOffset = nullptr;
    TLabel* LHOffset = nullptr;
    TLabel* L5 = nullptr;
    TTrackBar* SBVOffset = nullptr;
    TLabel* LVOffset = nullptr;
    TLabel* L6 = nullptr;
    TTrackBar* SBPerspec = nullptr;
    TLabel* LPerspec = nullptr;
    TLabel* LOrthoAngle = nullptr;
    TEdit* EOrthoAngle = nullptr;
    TUpDown* UDOrthoAngle = nullptr;
    TCheckBox* CBZoomText = nullptr;
    TEdit* ETextSize = nullptr;
    TUpDown* UDTextSize = nullptr;
    TLabel* LPercent = nullptr;
    TCheckBox* CBClipPoints = nullptr;
    TChartGalleryPanel* ChartGalleryPanel1 = nullptr;

private:
    void CreateViewsGallery();
    void SelectMatchingView();
    bool SupportsFullRotation() const;
    void WidenOffsetBar(TTrackBar* Bar, int Offset);
    int EditValue(TEdit* Edit, TUpDown* UpDown) const;
    std::vector<TCustomChart*> FViewCharts;
    int FSelectedView = -1;
    bool FGalleryBuilt = false;
};
