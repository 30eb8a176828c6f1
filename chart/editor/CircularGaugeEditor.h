// TCircularGaugeEditor: the editor form of a circular gauge: the linear gauge editor's pages,
// plus the angles, the hand's distance and offset, how the labels sit, the circled face, and
// the hand, centre and end point. The linear editor's own hand, value area and maximum
// indicator buttons are hidden once the form has shown.
#pragma once

#include "chart/editor/LinearGaugeEditor.h"

class TCircularGauge;
class TTimer;

class TCircularGaugeEditor : public TLinearGaugeEditor {
    ORVO_CLASS(TCircularGaugeEditor, TLinearGaugeEditor)
public:
    explicit TCircularGaugeEditor(TComponent* AOwner);

    void FormShow(TObject* Sender) override;
    // Handlers named in the form resource.
    void Timer1Timer(TObject* Sender);
    void ETotalAngleChange(TObject* Sender);
    void Edit4Change(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void Edit3Change(TObject* Sender);
    void CBLabelsInsideClick(TObject* Sender);
    void CBRotateLabelsClick(TObject* Sender);
    void CBCircledClick(TObject* Sender);
    void BHandClick(TObject* Sender);
    void BCenterClick(TObject* Sender);
    void Button3Click(TObject* Sender);

    // From the form resource.
    TTimer* Timer1 = nullptr;
    TLabel* Label14 = nullptr;
    TEdit* ETotalAngle = nullptr;
    TUpDown* UDTotalAngle = nullptr;
    TLabel* Label15 = nullptr;
    TEdit* Edit4 = nullptr;
    TUpDown* UDRotAngle = nullptr;
    TLabel* Label16 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDHandDist = nullptr;
    TLabel* Label17 = nullptr;
    TEdit* Edit3 = nullptr;
    TUpDown* UDHandOff = nullptr;
    TCheckBox* CBLabelsInside = nullptr;
    TCheckBox* CBRotateLabels = nullptr;
    TCheckBox* CBCircled = nullptr;
    TButton* BHand = nullptr;
    TButton* BCenter = nullptr;
    TButton* Button3 = nullptr;

private:
    TCircularGauge* CircularGauge() const;
    bool EditInt(TEdit* Edit, int& Value) const;
};
