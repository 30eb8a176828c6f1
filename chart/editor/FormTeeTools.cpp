#include "chart/editor/FormTeeTools.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/editor/TeeToolsGallery.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Splitter.h"
#include "platform/graphics/Canvas.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TFormTeeTools, TForm)

ORVO_PUBLISHED(TFormTeeTools) {
    using S = TFormTeeTools;
    P.Field("PTop", &S::PTop);
    P.Field("BAdd", &S::BAdd);
    P.Field("BDelete", &S::BDelete);
    P.Field("BClone", &S::BClone);
    P.Field("CBActive", &S::CBActive);
    P.Field("CBShowInEditor", &S::CBShowInEditor);
    P.Field("BMoveUp", &S::BMoveUp);
    P.Field("BMoveDown", &S::BMoveDown);
    P.Field("LBTools", &S::LBTools);
    P.Field("Splitter1", &S::Splitter1);
    P.Field("PanelToolEditor", &S::PanelToolEditor);
    P.Field("PBottom", &S::PBottom);
    P.Method("FormShow", &S::FormShow);
    P.Method("BAddClick", &S::BAddClick);
    P.Method("BDeleteClick", &S::BDeleteClick);
    P.Method("BCloneClick", &S::BCloneClick);
    P.Method("CBActiveClick", &S::CBActiveClick);
    P.Method("CBShowInEditorClick", &S::CBShowInEditorClick);
    P.Method("BMoveUpClick", &S::BMoveUpClick);
    P.Method("BMoveDownClick", &S::BMoveDownClick);
    P.Method("LBToolsClick", &S::LBToolsClick);
    P.Method("LBToolsDrawItem", &S::LBToolsDrawItem);
}

namespace {
bool IsDesigning(const TComponent* C) {
    return C && C->ComponentState().Contains(csDesigning);
}
} // namespace

void TeeDrawTool(TCustomListBox* AList, int Index, const TRect& Rect, TOwnerDrawState State,
                 TTeeCustomTool* ATool) {
    (void)Index;
    TCanvas* canvas = AList->Canvas();
    const bool selected = State.Contains(odSelected);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(selected ? clHighlight : AList->Color());
    canvas->FillRect(Rect);
    if (!ATool) return;
    TeeDrawBitmapEditor(canvas, ATool, Rect.Left + 2, Rect.Top + 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(selected ? clHighlightText : AList->Font()->Color());
    canvas->TextOut(Rect.Left + 22, Rect.Top + 2, ATool->Description());
}

TFormTeeTools::TFormTeeTools(TComponent* AOwner) : TForm(AOwner) {}

void TFormTeeTools::AfterConstruction() {
    TForm::AfterConstruction();
    if (FLoaded) return;
    FLoaded = true;
    TeeLoadArrowBitmaps(BMoveUp->Glyph(), BMoveDown->Glyph());
    TeeLoadBitmap(BClone->Glyph(), QStringLiteral("TeeClone"), String());
}

TTeeCustomTool* TFormTeeTools::CurrentTool() const {
    const int i = LBTools->ItemIndex();
    if (i < 0 || i >= LBTools->Items()->Count()) return nullptr;
    return static_cast<TTeeCustomTool*>(LBTools->Items()->Objects(i));
}

void TFormTeeTools::FormShow(TObject*) {
    if (!Tools) Tools = reinterpret_cast<TChartTools*>(Tag());
    const bool designing = Tools && IsDesigning(Tools->Owner());
    if (designing) {
        CBShowInEditor->SetVisible(true);
        CBShowInEditor->SetEnabled(false);
    } else {
        CBActive->SetTop(BAdd->Top() + (BAdd->Height() - CBActive->Height()) / 2);
    }
    if (Tools) {
        PBottom->SetVisible(designing);
        FillTools();
        if (LBTools->Items()->Count() > 0) {
            LBTools->SetItemIndex(0);
            LBToolsClick(this);
        } else {
            EnableListButtons();
        }
    }
    TeeTranslateControl(this);
}

void TFormTeeTools::FillTools() {
    PBottom->SetCaption(String());
    TStrings* items = LBTools->Items();
    items->BeginUpdate();
    items->Clear();
    if (Tools) {
        for (int i = 0; i < Tools->Count(); ++i) {
            TTeeCustomTool* tool = Tools->Get(i);
            if (IsDesigning(tool) || tool->ShowInEditor()) items->AddObject(tool->Description(), tool);
        }
    }
    items->EndUpdate();
    const bool any = items->Count() > 0;
    CBActive->SetEnabled(any);
    if (CBShowInEditor->Visible()) CBShowInEditor->SetEnabled(any);
    BDelete->SetEnabled(any);
    BClone->SetEnabled(any);
}

void TFormTeeTools::EnableListButtons() {
    const int i = LBTools->ItemIndex();
    const int count = LBTools->Items()->Count();
    BMoveUp->SetEnabled(i > 0);
    BMoveDown->SetEnabled(i >= 0 && i < count - 1);
    BDelete->SetEnabled(i >= 0);
    BClone->SetEnabled(i >= 0);
    if (PBottom->Visible()) {
        TTeeCustomTool* tool = CurrentTool();
        PBottom->SetCaption(tool ? tool->Name() + QStringLiteral(" (") + tool->ClassName() + QLatin1Char(')')
                                 : String());
    }
}

void TFormTeeTools::FreeEditor() {
    delete FEditor;
    FEditor = nullptr;
}

void TFormTeeTools::LBToolsClick(TObject*) {
    TTeeCustomTool* tool = CurrentTool();
    if (!tool) {
        EnableListButtons();
        return;
    }
    if (FEditor && !FEditor->CloseQuery()) {
        LBTools->SetItemIndex(LBTools->Items()->IndexOfObject(TeeFormTagObject(FEditor)));
        return;
    }
    CBActive->SetChecked(tool->Active());
    FreeEditor();
    FEditor = TeeCreateEditorForm(tool, PanelToolEditor);
    CBShowInEditor->SetVisible(IsDesigning(tool));
    if (CBShowInEditor->Visible()) {
        CBShowInEditor->SetChecked(tool->ShowInEditor());
        CBActive->SetTop(3);
    }
    EnableListButtons();
}

void TFormTeeTools::LBToolsDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    TTeeCustomTool* tool = nullptr;
    if (Index >= 0 && Index < LBTools->Items()->Count())
        tool = static_cast<TTeeCustomTool*>(LBTools->Items()->Objects(Index));
    TeeDrawTool(LBTools, Index, Rect, State, tool);
}

TTeeCustomTool* TFormTeeTools::GetNewTool() {
    std::unique_ptr<TTeeToolsGallery> gallery(new TTeeToolsGallery(Owner()));
    gallery->AfterConstruction();
    PositionToCenter(gallery.get());
    if (gallery->ShowModal() != mrOk || !Tools) return nullptr;
    TClass toolClass = gallery->SelectedTool();
    TCustomAxisPanel* chart = Tools->Owner();
    if (!toolClass || !toolClass->CreateComponent || !chart) return nullptr;
    TComponent* owner = chart->Owner();
    for (int i = 0; i < Tools->Count(); ++i)
        if (Tools->Get(i)->Owner() == chart) owner = chart;
    // A chart that nothing owns keeps its tools itself, so that each has an owner to be
    // named and freed by.
    if (!owner) owner = chart;
    auto* tool = static_cast<TTeeCustomTool*>(toolClass->CreateComponent(owner));
    tool->SetParentChart(chart);
    tool->SetName(TeeGetUniqueName(owner, QStringLiteral("ChartTool")));
    return tool;
}

void TFormTeeTools::BAddClick(TObject*) {
    TTeeCustomTool* tool = GetNewTool();
    if (!tool) return;
    if (OnAdded) OnAdded(tool);
    FillTools();
    LBTools->SetItemIndex(LBTools->Items()->Count() - 1);
    if (LBTools->CanFocus()) LBTools->SetFocus();
    LBToolsClick(this);
}

void TFormTeeTools::BDeleteClick(TObject*) {
    TTeeCustomTool* tool = CurrentTool();
    if (!tool) return;
    if (!TeeYesNoDelete(tool->Description(), this)) return;
    const int old = LBTools->ItemIndex();
    if (OnDeleted) OnDeleted(tool);
    // The editor form points at the tool: it goes first.
    FreeEditor();
    delete tool;
    FillTools();
    const int count = LBTools->Items()->Count();
    if (old >= 2)
        LBTools->SetItemIndex(old - 1);
    else if (count > 0)
        LBTools->SetItemIndex(count - 1);
    const bool selected = LBTools->ItemIndex() >= 0;
    BDelete->SetEnabled(selected);
    BClone->SetEnabled(selected);
    if (selected)
        LBToolsClick(this);
    else
        EnableListButtons();
}

TTeeCustomTool* TFormTeeTools::CloneTool(TTeeCustomTool* ATool) {
    TTeeCustomTool* copy = CloneChartTool(ATool, ATool->Owner());
    copy->SetParentChart(ATool->ParentChart());
    return copy;
}

void TFormTeeTools::BCloneClick(TObject*) {
    TTeeCustomTool* tool = CurrentTool();
    if (!tool) return;
    TTeeCustomTool* copy = CloneTool(tool);
    LBTools->Items()->AddObject(copy->Description(), copy);
    LBTools->SetItemIndex(LBTools->Items()->Count() - 1);
    // The editor below the list follows the selection, so it edits the copy now.
    LBToolsClick(this);
}

void TFormTeeTools::CBActiveClick(TObject*) {
    if (TTeeCustomTool* tool = CurrentTool()) tool->SetActive(CBActive->Checked());
}

void TFormTeeTools::CBShowInEditorClick(TObject*) {
    if (TTeeCustomTool* tool = CurrentTool()) tool->SetShowInEditor(CBShowInEditor->Checked());
}

void TFormTeeTools::MoveTool(int Delta) {
    const int i = LBTools->ItemIndex();
    const int j = i + Delta;
    if (i < 0 || j < 0 || j >= LBTools->Items()->Count() || !Tools) return;
    auto* a = static_cast<TTeeCustomTool*>(LBTools->Items()->Objects(i));
    auto* b = static_cast<TTeeCustomTool*>(LBTools->Items()->Objects(j));
    LBTools->Items()->Exchange(i, j);
    LBTools->SetItemIndex(j);
    LBTools->Invalidate();
    // Tools hidden from the editor sit between listed ones: the two tools change places
    // where each of them is in the chart's list.
    const int ia = Tools->IndexOf(a), ib = Tools->IndexOf(b);
    if (ia >= 0 && ib >= 0) Tools->Exchange(ia, ib);
    if (a->Owner() && a->Owner() == b->Owner()) {
        TTeeCustomTool* low = a->ComponentIndex() < b->ComponentIndex() ? a : b;
        TTeeCustomTool* high = low == a ? b : a;
        const int lowIndex = low->ComponentIndex(), highIndex = high->ComponentIndex();
        low->SetComponentIndex(highIndex);
        high->SetComponentIndex(lowIndex);
    }
    if (TCustomAxisPanel* chart = Tools->Owner()) chart->Invalidate();
    EnableListButtons();
}

void TFormTeeTools::BMoveUpClick(TObject*) {
    MoveTool(-1);
}

void TFormTeeTools::BMoveDownClick(TObject*) {
    MoveTool(1);
}

void TFormTeeTools::Reload() {
    int listed = 0;
    if (Tools)
        for (int i = 0; i < Tools->Count(); ++i)
            if (IsDesigning(Tools->Get(i)) || Tools->Get(i)->ShowInEditor()) ++listed;
    if (LBTools->Items()->Count() != listed) {
        FillTools();
        LBTools->SetItemIndex(LBTools->Items()->Count() > 0 ? 0 : -1);
    }
    if (LBTools->ItemIndex() >= 0) LBToolsClick(this);
}
