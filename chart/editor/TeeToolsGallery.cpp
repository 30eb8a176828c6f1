#include "chart/editor/TeeToolsGallery.h"

#include "chart/editor/FormTeeTools.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TabControl.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeToolsGallery, TForm)

ORVO_PUBLISHED(TTeeToolsGallery) {
    using S = TTeeToolsGallery;
    P.Field("TabControl1", &S::TabControl1);
    P.Field("LBTool", &S::LBTool);
    P.Field("MemoDesc", &S::MemoDesc);
    P.Field("BOk", &S::BOk);
    P.Field("BCan", &S::BCan);
    P.Field("PanelDemos", &S::PanelDemos);
    P.Field("Panel1", &S::Panel1);
    P.Field("Panel2", &S::Panel2);
    P.Field("CBView3D", &S::CBView3D);
    P.Field("LabelClass", &S::LabelClass);
    P.Field("PanelBottom", &S::PanelBottom);
    P.Method("FormShow", &S::FormShow);
    P.Method("TabControl1Change", &S::TabControl1Change);
    P.Method("LBToolClick", &S::LBToolClick);
    P.Method("LBToolDblClick", &S::LBToolDblClick);
    P.Method("LBToolDrawItem", &S::LBToolDrawItem);
    P.Method("CBView3DClick", &S::CBView3DClick);
}

void (*ToolsGalleryHook)(TTeeToolsGallery* Gallery) = nullptr;

namespace {
constexpr int kSeriesTab = 0;
constexpr int kAxisTab = 1;

// The lines keep their tool class as the line's object.
TObject* ClassAsObject(TClass C) {
    return reinterpret_cast<TObject*>(const_cast<TMetaClass*>(C));
}
TClass ObjectAsClass(TObject* O) {
    return reinterpret_cast<TClass>(O);
}

std::unique_ptr<TTeeCustomTool> NewTool(TClass C) {
    if (!C || !C->CreateComponent) return nullptr;
    return std::unique_ptr<TTeeCustomTool>(static_cast<TTeeCustomTool*>(C->CreateComponent(nullptr)));
}

TCustomAxisPanel* FindDemoChart(TWinControl* Panel) {
    TCustomAxisPanel* found = nullptr;
    for (int i = 0; i < Panel->ControlCount(); ++i)
        if (auto* c = dynamic_cast<TCustomAxisPanel*>(Panel->Controls(i))) found = c;
    return found;
}
} // namespace

TTeeToolsGallery::TTeeToolsGallery(TComponent* AOwner) : TForm(AOwner) {}

TClass TTeeToolsGallery::ToolAtIndex(int Index) const {
    if (Index < 0 || Index >= LBTool->Items()->Count()) return nullptr;
    return ObjectAsClass(LBTool->Items()->Objects(Index));
}

TClass TTeeToolsGallery::SelectedTool() const {
    return ToolAtIndex(LBTool->ItemIndex());
}

void TTeeToolsGallery::FormShow(TObject*) {
    MemoDesc->SetBorderStyle(bsNone);
    TStrings* tabs = TabControl1->Tabs();
    tabs->Clear();
    tabs->Add(TeeMsg_Series);
    tabs->Add(QStringLiteral("Axis"));
    tabs->Add(TeeMsg_PieOther);
    TabControl1->SetTabIndex(kSeriesTab);
    FillTools();
    LabelClass->SetVisible(ComponentState().Contains(csDesigning));
    LabelClass->SetCaption(String());
    const bool demos = ToolsGalleryHook != nullptr;
    PanelDemos->SetVisible(demos);
    CBView3D->SetVisible(demos);
    if (!demos) {
        TabControl1->SetAlign(alClient);
        SetWidth(300);
    }
    TeeTranslateControl(this);
}

void TTeeToolsGallery::FillTools() {
    TStrings* items = LBTool->Items();
    items->BeginUpdate();
    items->Clear();
    const int tab = TabControl1->TabIndex();
    TTeeToolTypes* types = TeeToolTypes();
    for (int i = 0; i < types->Count(); ++i) {
        std::unique_ptr<TTeeCustomTool> tool = NewTool(types->Get(i));
        if (!tool) continue;
        int page = 2;
        if (tool->InheritsFrom(TTeeCustomToolSeries::StaticClass()))
            page = kSeriesTab;
        else if (tool->InheritsFrom(TTeeCustomToolAxis::StaticClass()))
            page = kAxisTab;
        if (page == tab) items->AddObject(tool->Description(), ClassAsObject(types->Get(i)));
    }
    items->EndUpdate();
    MemoDesc->Lines()->Clear();
    BOk->SetEnabled(false);
}

void TTeeToolsGallery::TabControl1Change(TObject*) {
    FillTools();
}

void TTeeToolsGallery::LBToolClick(TObject*) {
    BOk->SetEnabled(LBTool->ItemIndex() >= 0);
    // Demonstration controls beyond the two spacers are the last selection's.
    for (int i = PanelDemos->ControlCount() - 1; i >= 0; --i) {
        TControl* c = PanelDemos->Controls(i);
        if (c != Panel1 && c != Panel2) delete c;
    }
    TClass toolClass = SelectedTool();
    if (!toolClass) {
        LabelClass->SetCaption(String());
        MemoDesc->Lines()->Clear();
        CBView3D->SetVisible(false);
        return;
    }
    if (ComponentState().Contains(csDesigning)) LabelClass->SetCaption(toolClass->ClassName());
    if (std::unique_ptr<TTeeCustomTool> tool = NewTool(toolClass))
        MemoDesc->Lines()->SetText(TeeTranslateString(tool->LongDescription()));
    if (ToolsGalleryHook) {
        ToolsGalleryHook(this);
        TCustomAxisPanel* chart = FindDemoChart(PanelDemos);
        TeeTranslateControl(PanelDemos);
        CBView3D->SetVisible(chart != nullptr);
        if (chart) CBView3D->SetChecked(chart->View3D());
    }
}

void TTeeToolsGallery::LBToolDblClick(TObject*) {
    if (LBTool->ItemIndex() >= 0) SetModalResult(mrOk);
}

void TTeeToolsGallery::LBToolDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    std::unique_ptr<TTeeCustomTool> tool = NewTool(ToolAtIndex(Index));
    TeeDrawTool(LBTool, Index, Rect, State, tool.get());
}

void TTeeToolsGallery::CBView3DClick(TObject*) {
    if (TCustomAxisPanel* chart = FindDemoChart(PanelDemos)) chart->SetView3D(CBView3D->Checked());
}
