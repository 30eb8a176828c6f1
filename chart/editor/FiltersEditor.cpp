#include "chart/editor/FiltersEditor.h"

#include "chart/editor/FormCreator.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/pictures/SmoothStretch.h"
#include "chart/engine/pictures/TeePicture.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/Timer.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/IntText.h"

#include <algorithm>
#include <memory>

ORVO_IMPLEMENT_CLASS(TFiltersEditor, TForm)

ORVO_PUBLISHED(TFiltersEditor) {
    using T = TFiltersEditor;
    P.Field("PanelLeft", &T::PanelLeft);
    P.Field("PanelTools", &T::PanelTools);
    P.Field("BAdd", &T::BAdd);
    P.Field("BDelete", &T::BDelete);
    P.Field("BMoveUp", &T::BMoveUp);
    P.Field("BMoveDown", &T::BMoveDown);
    P.Field("Filters", &T::Filters);
    P.Field("Splitter1", &T::Splitter1);
    P.Field("PageProps", &T::PageProps);
    P.Field("TabOptions", &T::TabOptions);
    P.Field("TabRegion", &T::TabRegion);
    P.Field("Label1", &T::Label1);
    P.Field("Label2", &T::Label2);
    P.Field("Label3", &T::Label3);
    P.Field("Label4", &T::Label4);
    P.Field("ELeft", &T::ELeft);
    P.Field("UDLeft", &T::UDLeft);
    P.Field("ETop", &T::ETop);
    P.Field("UDTop", &T::UDTop);
    P.Field("EWidth", &T::EWidth);
    P.Field("UDWidth", &T::UDWidth);
    P.Field("EHeight", &T::EHeight);
    P.Field("UDHeight", &T::UDHeight);
    P.Field("PageControl1", &T::PageControl1);
    P.Field("TabPreview", &T::TabPreview);
    P.Field("PanelBottom", &T::PanelBottom);
    P.Field("CBPreview", &T::CBPreview);
    P.Field("CBScaled", &T::CBScaled);
    P.Field("BOK", &T::BOK);
    P.Field("MenuFilters", &T::MenuFilters);
    P.Field("PopupScaled", &T::PopupScaled);
    P.Field("Scaled1", &T::Scaled1);
    P.Method("FormShow", &T::FormShow);
    P.Method("BAddClick", &T::BAddClick);
    P.Method("FiltersClick", &T::FiltersClick);
    P.Method("FiltersClickCheck", &T::FiltersClickCheck);
    P.Method("BDeleteClick", &T::BDeleteClick);
    P.Method("BMoveUpClick", &T::BMoveUpClick);
    P.Method("BMoveDownClick", &T::BMoveDownClick);
    P.Method("ELeftChange", &T::ELeftChange);
    P.Method("ETopChange", &T::ETopChange);
    P.Method("EWidthChange", &T::EWidthChange);
    P.Method("EHeightChange", &T::EHeightChange);
    P.Method("CBPreviewClick", &T::CBPreviewClick);
    P.Method("CBScaledClick", &T::CBScaledClick);
    P.Method("Scaled1Click", &T::Scaled1Click);
}

namespace {

String ClassDescription(TClass FilterClass) {
    String Text;
    if (FilterClass && FilterClass->CreateItem) {
        TObject* o = FilterClass->CreateItem(nullptr);
        if (auto* f = dynamic_cast<TTeeFilter*>(o)) Text = f->Description();
        FreeObject(o);
    }
    return Text.isEmpty() && FilterClass ? FilterClass->ClassName() : Text;
}

} // namespace

TFiltersEditor::TFiltersEditor(TComponent* AOwner) : TForm(AOwner) {}

TFiltersEditor::~TFiltersEditor() {
    delete IBitmap;
}

void TFiltersEditor::AfterConstruction() {
    const bool First = Image == nullptr;
    TForm::AfterConstruction();
    if (!First) return;
    TeeLoadArrowBitmaps(BMoveUp->Glyph(), BMoveDown->Glyph());
    Image = new TDraw3D(this);
    Image->SetParent(TabPreview);
    Image->SetAlign(alClient);
    Image->BackImage()->SetMode(pbmCustom);
    Image->SetPopupMenu(PopupScaled);
    Image->OnResize = Method(this, &TFiltersEditor::ImageResize);
    Timer1 = new TTimer(this);
    Timer1->SetInterval(1);
    Timer1->SetOnTimer(Method(this, &TFiltersEditor::Timer1Timer));
    Timer1->SetEnabled(true);
    Creator = new TFormCreator(TabOptions);
    Creator->FOnChange = Method(this, &TFiltersEditor::ChangedProperties);
}

TTeeFilter* TFiltersEditor::Selected() const {
    const int i = Filters->ItemIndex();
    return i >= 0 ? static_cast<TTeeFilter*>(Filters->Items()->Objects(i)) : nullptr;
}

void TFiltersEditor::FormShow(TObject*) {
    Filters->Items()->Clear();
    if (FilterItems)
        for (int i = 0; i < FilterItems->Count(); ++i) {
            TTeeFilter* F = FilterItems->Item(i);
            Filters->Items()->AddObject(F->Description(), F);
            Filters->SetChecked(i, F->Enabled());
        }
    PageProps->SetActivePage(TabOptions);
    if (Filters->Items()->Count() > 0) {
        Filters->SetItemIndex(0);
        FiltersClick(Filters);
    }
    Preview();
    PageProps->SetVisible(Filters->Items()->Count() > 0);
    while (MenuFilters->Items()->Count() > 0)
        MenuFilters->Items()->Delete(0);
    std::vector<TMenuItem*> Items;
    if (FilterClasses)
        for (std::size_t i = 0; i < FilterClasses->size(); ++i) {
            auto* Item = new TMenuItem(MenuFilters);
            Item->SetCaption(ClassDescription((*FilterClasses)[i]));
            Item->SetTag(NativeInt(i));
            Item->OnClick = Method(this, &TFiltersEditor::FilterSelected);
            Items.push_back(Item);
        }
    TeeTranslateControl(this);
    std::stable_sort(Items.begin(), Items.end(),
                     [](TMenuItem* a, TMenuItem* b) { return a->Caption().compare(b->Caption()) < 0; });
    for (TMenuItem* Item : Items)
        MenuFilters->Items()->Add(Item);
}

void TFiltersEditor::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    FiltersClick(Filters);
}

void TFiltersEditor::BAddClick(TObject*) {
    const TPoint P = BAdd->ClientToScreen(TPoint{BAdd->Width() - 1, BAdd->Height() - 1});
    MenuFilters->Popup(P.X, P.Y);
}

void TFiltersEditor::FilterSelected(TObject* Sender) {
    auto* Item = dynamic_cast<TMenuItem*>(Sender);
    if (!Item || !FilterItems || !FilterClasses) return;
    TTeeFilter* F = FilterItems->Add((*FilterClasses)[std::size_t(Item->Tag())]);
    Modified = true;
    const int Line = Filters->Items()->AddObject(F->Description(), F);
    Filters->SetChecked(Line, true);
    Filters->SetItemIndex(Line);
    FiltersClick(Filters);
    Preview();
    TeeTranslateControl(this);
}

void TFiltersEditor::EnableButtons() {
    const int i = Filters->ItemIndex();
    BDelete->SetEnabled(i >= 0);
    BMoveUp->SetEnabled(i > 0);
    BMoveDown->SetEnabled(i >= 0 && i < Filters->Items()->Count() - 1);
}

void TFiltersEditor::FreeOptions() {
    while (TabOptions->ControlCount() > 0)
        FreeObject(TabOptions->Controls(TabOptions->ControlCount() - 1));
}

void TFiltersEditor::FiltersClick(TObject*) {
    IChanging = true;
    EnableButtons();
    FreeOptions();
    if (TTeeFilter* F = Selected()) {
        TTabSheet* Active = PageProps->ActivePage();
        Creator->Items.clear();
        Creator->IPosY = 8;
        Creator->Instance = F;
        Creator->IChanging = true;
        try {
            F->CreateEditor(Creator, Method(this, &TFiltersEditor::ChangedProperties));
        } catch (...) {
            Creator->IChanging = false;
            IChanging = false;
            throw;
        }
        Creator->IChanging = false;
        const bool Options = TabOptions->ControlCount() > 0;
        const bool Region = F->AllowRegion;
        TabOptions->SetTabVisible(Options);
        TabRegion->SetTabVisible(Region);
        if (Options || Region) {
            TeeTranslateControl(TabOptions);
            PageProps->SetVisible(true);
            if (!Options) Active = TabRegion;
            if (Region) {
                UDLeft->SetPosition(F->Region()->Left());
                UDTop->SetPosition(F->Region()->Top());
                UDWidth->SetPosition(F->Region()->Width());
                UDHeight->SetPosition(F->Region()->Height());
            } else {
                Active = TabOptions;
            }
        } else {
            PageProps->SetVisible(false);
        }
        if (Active) PageProps->SetActivePage(Active);
    }
    PageProps->SetVisible(PageProps->Visible() && Filters->ItemIndex() >= 0);
    IChanging = false;
}

void TFiltersEditor::FiltersClickCheck(TObject*) {
    if (TTeeFilter* F = Selected()) {
        F->SetEnabled(Filters->Checked(Filters->ItemIndex()));
        Modified = true;
        Preview();
    }
}

void TFiltersEditor::BDeleteClick(TObject*) {
    const int i = Filters->ItemIndex();
    if (i < 0) return;
    TTeeFilter* F = Selected();
    Filters->Items()->Delete(i);
    FreeObject(F);
    Modified = true;
    const int Count = Filters->Items()->Count();
    Filters->SetItemIndex(i < Count ? i : Count - 1);
    if (Count == 0)
        FreeOptions();
    else
        FiltersClick(Filters);
    EnableButtons();
    PageProps->SetVisible(Filters->ItemIndex() >= 0);
    Preview();
}

void TFiltersEditor::Exchange(int A, int B) {
    auto* FA = static_cast<TTeeFilter*>(Filters->Items()->Objects(A));
    auto* FB = static_cast<TTeeFilter*>(Filters->Items()->Objects(B));
    const bool CheckA = Filters->Checked(A), CheckB = Filters->Checked(B);
    Filters->Items()->Exchange(A, B);
    Filters->SetChecked(A, CheckB);
    Filters->SetChecked(B, CheckA);
    const int IndexA = FA->Index();
    FA->SetIndex(FB->Index());
    FB->SetIndex(IndexA);
    Modified = true;
    Filters->SetItemIndex(B);
    EnableButtons();
    Preview();
}

void TFiltersEditor::BMoveUpClick(TObject*) {
    const int i = Filters->ItemIndex();
    if (i > 0) Exchange(i, i - 1);
}

void TFiltersEditor::BMoveDownClick(TObject*) {
    const int i = Filters->ItemIndex();
    if (i >= 0 && i < Filters->Items()->Count() - 1) Exchange(i, i + 1);
}

void TFiltersEditor::RegionEdit(TEdit* Edit, void (*Store)(TTeeFilter*, int)) {
    int Value = 0;
    TTeeFilter* F = Selected();
    if (IChanging || !F || !TryStrToInt(Edit->Text().trimmed(), Value)) return;
    Store(F, Value);
    Modified = true;
    Preview();
}

void TFiltersEditor::ELeftChange(TObject*) {
    RegionEdit(ELeft, [](TTeeFilter* F, int V) { F->Region()->SetLeft(V); });
}

void TFiltersEditor::ETopChange(TObject*) {
    RegionEdit(ETop, [](TTeeFilter* F, int V) { F->Region()->SetTop(V); });
}

void TFiltersEditor::EWidthChange(TObject*) {
    RegionEdit(EWidth, [](TTeeFilter* F, int V) { F->Region()->SetWidth(V); });
}

void TFiltersEditor::EHeightChange(TObject*) {
    RegionEdit(EHeight, [](TTeeFilter* F, int V) { F->Region()->SetHeight(V); });
}

void TFiltersEditor::ChangedProperties(TObject*) {
    Modified = true;
    Preview();
}

void TFiltersEditor::ImageResize(TObject*) {
    Preview();
}

void TFiltersEditor::Preview() {
    if (!Image) return;
    if (CBPreview->Checked()) {
        if (!IBitmap) IBitmap = new TBitmap;
        IBitmap->Assign(Picture);
        if (FilterItems) FilterItems->ApplyTo(IBitmap);
        if (CBScaled->Checked()) {
            // A panel squeezed to nothing (its splitter dragged) has no room for a preview.
            if (Image->Width() <= 0 || Image->Height() <= 0 || IBitmap->Empty()) {
                Image->BackImage()->SetGraphic(nullptr);
            } else {
                TBitmap Scaled;
                Scaled.SetPixelFormat(pf24bit);
                Scaled.SetSize(Image->Width(), Image->Height());
                SmoothStretch(IBitmap, &Scaled);
                Image->BackImage()->SetGraphic(&Scaled);
            }
        } else {
            Image->BackImage()->SetGraphic(IBitmap);
        }
    }
    if (Changed) Changed(this);
}

void TFiltersEditor::CBPreviewClick(TObject*) {
    CBScaled->SetEnabled(CBPreview->Checked());
    if (CBPreview->Checked())
        Preview();
    else if (Image)
        Image->BackImage()->SetGraphic(nullptr);
}

void TFiltersEditor::CBScaledClick(TObject*) {
    Scaled1->SetChecked(CBScaled->Checked());
    Preview();
}

void TFiltersEditor::Scaled1Click(TObject*) {
    Scaled1->SetChecked(!Scaled1->Checked());
    CBScaled->SetChecked(Scaled1->Checked());
}

namespace {

std::unique_ptr<TFiltersEditor> NewFiltersEditor(TComponent* AOwner, TGraphic* Graphic, TFilterItems* Items) {
    std::unique_ptr<TFiltersEditor> Editor(new TFiltersEditor(AOwner));
    Editor->AfterConstruction();
    Editor->Picture = Graphic;
    Editor->FilterItems = Items;
    return Editor;
}

} // namespace

bool ShowFiltersEditor(TComponent* AOwner, TGraphic* Graphic, TFilterItems* FilterItems) {
    return NewFiltersEditor(AOwner, Graphic, FilterItems)->ShowModal() == mrOk;
}

bool ShowFiltersEditor(TComponent* AOwner, TTeePicture* Picture) {
    auto Editor = NewFiltersEditor(AOwner, Picture->Graphic(), Picture->Filters());
    const bool Ok = Editor->ShowModal() == mrOk;
    // The list keeps every change however the dialog closed: the picture must show it.
    if (Ok || Editor->Modified) Picture->Repaint();
    return Ok;
}
