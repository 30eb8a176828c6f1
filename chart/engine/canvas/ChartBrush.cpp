#include "chart/engine/canvas/ChartBrush.h"

#include "platform/graphics/Graphic.h"

ORVO_IMPLEMENT_CLASS(TChartBrush, TBrush)

TChartBrush::TChartBrush(TNotifyEvent OnChangeEvent) {
    SetColor(clDefault);
    OnChange = OnChangeEvent;
}

TChartBrush::~TChartBrush() {
    delete FImage;
}

void TChartBrush::Assign(TPersistent* Source) {
    if (auto* b = dynamic_cast<TChartBrush*>(Source)) {
        if (b->FImage) {
            if (!FImage) FImage = new TPicture;
            FImage->Assign(b->FImage);
        } else {
            delete FImage;
            FImage = nullptr;
        }
        FBackColor = b->FBackColor;
    }
    TBrush::Assign(Source);
}

void TChartBrush::Clear() {
    SetStyle(bsClear);
    SetImage(nullptr);
}

void TChartBrush::SetBackColor(TColor Value) {
    if (FBackColor == Value) return;
    FBackColor = Value;
    Changed();
}

TPicture* TChartBrush::Image() {
    if (!FImage) {
        FImage = new TPicture;
        FImage->OnChange = OnChange;
    }
    return FImage;
}

void TChartBrush::SetImage(TPicture* Value) {
    if (Value) {
        Image()->Assign(Value);
    } else {
        delete FImage;
        FImage = nullptr;
    }
    Changed();
}

ORVO_PUBLISHED(TChartBrush) {
    P.Property("BackColor", &TChartBrush::BackColor, &TChartBrush::SetBackColor)
        .Type(TypeInfoTColor())
        .Default(clNone);
    P.Property("Color", &TChartBrush::Color, &TChartBrush::SetColor)
        .Type(TypeInfoTColor())
        .Default(clDefault);
    P.Property("Image", &TChartBrush::Image, &TChartBrush::SetImage).Present(&TChartBrush::HasImage);
    P.Property("Style", &TChartBrush::Style, &TChartBrush::SetStyle).Default(bsSolid);
}
