// TMarksTipTool: the point under the mouse, its mark text, and the application's hint.
#include "chart/tools/MarksTipTool.h"

#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Application.h"

ORVO_IMPLEMENT_ENUM_TYPE(TMarkToolMouseAction, "mtmMove", "mtmClick")
ORVO_IMPLEMENT_EVENT_TYPE(TMarksTipGetText)
ORVO_IMPLEMENT_CLASS(TMarksTipTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TMarksTipTool) {
    using S = TMarksTipTool;
    P.Property("MouseAction", &S::MouseAction, &S::SetMouseAction).Default(mtmMove);
    P.Property("MouseDelay", &S::MouseDelay, &S::SetMouseDelay).Stored(false);
    P.Property("HideDelay", &S::HideDelay, &S::SetHideDelay).Stored(false);
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("Style", &S::Style, &S::SetStyle).Default(smsLabel);
    P.Property("OnCancelHint", &S::OnCancelHint);
    P.Property("OnGetText", &S::OnGetText);
}

TMarksTipTool::TMarksTipTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

String TMarksTipTool::Description() {
    return TeeMsg_MarksTipTool;
}

String TMarksTipTool::LongDescription() {
    return TeeMsg_MarksTipDesc;
}

void TMarksTipTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TMarksTipTool*>(Source)) {
        FMouseAction = s->FMouseAction;
        FStyle = s->FStyle;
    }
    TTeeCustomToolSeries::Assign(Source);
}

TCustomAxisPanel* TMarksTipTool::Chart() const {
    return FSeries && FSeries->ParentChart() ? FSeries->ParentChart() : FParent;
}

int TMarksTipTool::MouseDelay() const {
    return Application ? Application->HintPause() : 0;
}

void TMarksTipTool::SetMouseDelay(int Value) {
    if (Application) Application->SetHintPause(Value);
}

int TMarksTipTool::HideDelay() const {
    return Application ? Application->HintHidePause() : 0;
}

void TMarksTipTool::SetHideDelay(int Value) {
    if (Application) Application->SetHintHidePause(Value);
}

void TMarksTipTool::SetActive(bool Value) {
    TTeeCustomToolSeries::SetActive(Value);
    if (!Value) DoCancelHint();
}

void TMarksTipTool::SetMouseAction(TMarkToolMouseAction Value) {
    FMouseAction = Value;
    DoCancelHint();
}

void TMarksTipTool::DoCancelHint() {
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    if (OnCancelHint.Assigned()) OnCancelHint(this);
    const bool had = !chart->Hint().isEmpty();
    chart->SetHint(String());
    if (had && Application) Application->CancelHint();
}

void TMarksTipTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                    int Y) {
    (void)Button;
    (void)Shift;
    if (!(AEvent == cmeMove && FMouseAction == mtmMove) && !(AEvent == cmeDown && FMouseAction == mtmClick))
        return;
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    TChartSeries* series = nullptr;
    int index = -1;
    if (FSeries) {
        index = FSeries->Clicked(X, Y);
        if (index != -1) series = FSeries;
    } else {
        for (int i = chart->SeriesCount() - 1; i >= 0 && !series; --i) {
            TChartSeries* s = chart->Series(i);
            if (!s->Active()) continue;
            index = s->Clicked(X, Y);
            if (index != -1) series = s;
        }
    }
    if (!series) {
        // Another marks-tip tool on the chart manages the hint then.
        for (int i = 0; i < chart->Tools()->Count(); ++i) {
            TTeeCustomTool* t = chart->Tools()->Get(i);
            if (t != this && dynamic_cast<TMarksTipTool*>(t)) return;
        }
        DoCancelHint();
        return;
    }
    const TSeriesMarksStyle oldStyle = series->Marks()->Style();
    const bool oldRepaint = chart->AutoRepaint();
    chart->SetAutoRepaint(false);
    series->Marks()->SetStyle(FStyle);
    try {
        String text = series->GetMarkText(index);
        if (OnGetText.Assigned()) OnGetText(this, text);
        if (text != chart->Hint()) {
            if (Application) Application->CancelHint();
            chart->SetShowHint(true);
            chart->SetHint(text);
            if (Application) Application->ActivateHint(chart->ClientToScreen(TPoint{X, Y}));
        }
    } catch (...) {
        series->Marks()->SetStyle(oldStyle);
        chart->SetAutoRepaint(oldRepaint);
        throw;
    }
    series->Marks()->SetStyle(oldStyle);
    chart->SetAutoRepaint(oldRepaint);
}
