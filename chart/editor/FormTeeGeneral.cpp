#include "chart/editor/FormTeeGeneral.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/Format.h"

#include <memory>
#include <set>

ORVO_IMPLEMENT_CLASS(TFormTeeGeneral, TForm)

ORVO_PUBLISHED(TFormTeeGeneral) {
    using S = TFormTeeGeneral;
#define F(name) P.Field(#name, &S::name)
    F(PageControl1);
    F(TabZoom);
    F(TabScroll);
    F(TabCursor);
    F(TabFonts);
    F(CBAllowZoom);
    F(CBAnimatedZoom);
    F(LSteps);
    F(SEAniZoomSteps);
    F(UDAniZoomSteps);
    F(BZoomPen);
    F(BZoomColor);
    F(LMinPix);
    F(EMinPix);
    F(UDMinPix);
    F(LDir);
    F(CBDir);
    F(LZoomMouse);
    F(CBZoomMouse);
    F(CBUpLeft);
    F(RGPanning);
    F(LScrollMouse);
    F(CBScrollMouse);
    F(LCursor);
    F(CBCursor);
    F(GroupBox1);
    F(ImageCursor);
    F(BLoad);
    F(LBFonts);
    F(Splitter1);
    F(PanelFont);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(FormHide);
    M(CBAllowZoomClick);
    M(CBAnimatedZoomClick);
    M(SEAniZoomStepsChange);
    M(EMinPixChange);
    M(CBDirChange);
    M(CBZoomMouseChange);
    M(CBUpLeftClick);
    M(RGPanningClick);
    M(CBScrollMouseChange);
    M(CBCursorChange);
    M(BLoadClick);
    M(LBFontsClick);
    M(BZoomColorClick);
#undef M
}

namespace {
// The first font among Instance's published object properties, depth first through nested
// persistent objects that are not components; Skip is passed over.
TTeeFont* FirstFont(TObject* Instance, const TObject* Skip, int Depth = 0) {
    if (!Instance || Depth > 8) return nullptr;
    for (PPropInfo p : GetPropList(Instance, TTypeKinds{tkClass})) {
        TObject* value = GetObjectProp(Instance, p);
        if (!value || value == Skip) continue;
        if (auto* font = dynamic_cast<TTeeFont*>(value)) return font;
        if (dynamic_cast<TComponent*>(value) || !dynamic_cast<TPersistent*>(value)) continue;
        if (TTeeFont* inner = FirstFont(value, Skip, Depth + 1)) return inner;
    }
    return nullptr;
}

constexpr int kFirstCursorSlot = 2021;
} // namespace

TFormTeeGeneral::TFormTeeGeneral(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeGeneral::TFormTeeGeneral(TComponent* AOwner, TCustomChart* Chart) : TForm(AOwner), TheChart(Chart) {}

TFormTeeGeneral::~TFormTeeGeneral() {
    Unhook();
    // The editor has no owner: it goes with the page.
    delete IFontEditor;
    IFontEditor = nullptr;
}

void TFormTeeGeneral::Unhook() {
    if (IFont) IFont->OnChange = OldChange;
    IFont = nullptr;
    OldChange = TNotifyEvent();
    delete IBackup;
    IBackup = nullptr;
}

void TFormTeeGeneral::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    // A series or tool whose font is listed is going: its lines go, and its font is let go
    // without being touched.
    bool listed = false;
    for (auto it = FFontElements.begin(); it != FFontElements.end();) {
        if (it->second != AComponent) {
            ++it;
            continue;
        }
        listed = true;
        if (it->first == IFont) {
            IFont = nullptr;
            OldChange = TNotifyEvent();
            delete IBackup;
            IBackup = nullptr;
        }
        if (LBFonts && !ComponentState().Contains(csDestroying)) {
            const int line = LBFonts->Items()->IndexOfObject(it->first);
            if (line >= 0) LBFonts->Items()->Delete(line);
        }
        it = FFontElements.erase(it);
    }
    (void)listed;
}

void TFormTeeGeneral::AddFont(const String& Text, TTeeFont* Font, TComponent* Element) {
    if (!Font) return;
    LBFonts->Items()->AddObject(Text, Font);
    FFontElements[Font] = Element;
    if (Element) Element->FreeNotification(this);
}

void TFormTeeGeneral::FillFonts() {
    Unhook();
    std::set<String> selected;
    for (int i = 0; i < LBFonts->Items()->Count(); ++i)
        if (LBFonts->Selected(i)) selected.insert(LBFonts->Items()->Strings(i));
    const bool keep = !selected.empty();
    LBFonts->Items()->BeginUpdate();
    LBFonts->Items()->Clear();
    FFontElements.clear();
    if (TheChart) {
        TCustomChart* c = TheChart;
        AddFont(QStringLiteral("Legend"), c->Legend()->Font(), nullptr);
        AddFont(QStringLiteral("Legend title"), c->Legend()->Title()->Font(), nullptr);
        AddFont(QStringLiteral("Title"), c->Title()->Font(), nullptr);
        AddFont(QStringLiteral("Footer"), c->Foot()->Font(), nullptr);
        AddFont(QStringLiteral("SubTitle"), c->SubTitle()->Font(), nullptr);
        AddFont(QStringLiteral("SubFooter"), c->SubFoot()->Font(), nullptr);
        for (int i = 0; i < c->SeriesCount(); ++i) {
            TChartSeries* s = c->Series(i);
            const String name = SeriesTitleOrName(s);
            AddFont(name, FirstFont(s, s->Marks()->Font()), s);
            AddFont(name + QStringLiteral(" (") + TeeTranslateString(QStringLiteral("marks")) +
                        QLatin1Char(')'),
                    s->Marks()->Font(), s);
        }
        for (int i = 0; i < c->Tools()->Count(); ++i) {
            TTeeCustomTool* t = c->Tools()->Get(i);
            AddFont(t->Name(), FirstFont(t, nullptr), t);
        }
        const std::pair<const char*, TChartAxis*> axes[] = {
            {"Left axis", c->LeftAxis()},
            {"Right axis", c->RightAxis()},
            {"Top axis", c->TopAxis()},
            {"Bottom axis", c->BottomAxis()},
            {"Depth Top axis", c->DepthTopAxis()},
            {"Depth axis", c->DepthAxis()},
        };
        const auto addAxis = [&](const String& name, TChartAxis* axis) {
            AddFont(name, axis->LabelsFont(), nullptr);
            AddFont(TeeTranslateString(name) + QStringLiteral(" (") + TeeMsg_AxisTitle + QLatin1Char(')'),
                    axis->Title()->Font(), nullptr);
        };
        for (const auto& [name, axis] : axes)
            addAxis(QString::fromLatin1(name), axis);
        for (int i = 0; i < c->CustomAxes()->Count(); ++i)
            addAxis(TeeTranslateString(QStringLiteral("Custom axis")) + QLatin1Char(' ') + QString::number(i),
                    c->CustomAxes()->Get(i));
    }
    LBFonts->Items()->EndUpdate();
    // The lines selected before stay selected; at first, the chart title's.
    int focus = -1;
    for (int i = 0; i < LBFonts->Items()->Count(); ++i) {
        const bool on = keep ? selected.count(LBFonts->Items()->Strings(i)) != 0
                             : TheChart && LBFonts->Items()->Objects(i) == TheChart->Title()->Font();
        LBFonts->SetSelected(i, on);
        if (on && focus < 0) focus = i;
    }
    LBFonts->SetItemIndex(focus);
    LBFontsClick(this);
}

void TFormTeeGeneral::LBFontsClick(TObject*) {
    Unhook();
    const int i = LBFonts->ItemIndex();
    if (i < 0 || i >= LBFonts->Items()->Count()) return;
    IFont = static_cast<TTeeFont*>(LBFonts->Items()->Objects(i));
    IBackup = new TTeeFont(TNotifyEvent());
    IBackup->Assign(IFont);
    if (!IFontEditor) IFontEditor = InsertTeeFontEditor(PanelFont);
    IFontEditor->RefreshControls(IFont);
    OldChange = IFont->OnChange;
    IFont->OnChange = TNotifyEvent(this, &TFormTeeGeneral::ChangedFont);
}

void TFormTeeGeneral::ChangedFont(TObject*) {
    if (!IFont) return;
    if (!Showing()) {
        Unhook();
        return;
    }
    TTeeFont* f = IFont;
    TTeeFont* b = IBackup;
    for (int i = 0; i < LBFonts->Items()->Count(); ++i) {
        if (!LBFonts->Selected(i)) continue;
        auto* other = static_cast<TTeeFont*>(LBFonts->Items()->Objects(i));
        if (!other || other == f) continue;
        if (f->Name() != b->Name()) other->SetName(f->Name());
        if (f->Size() != b->Size()) other->SetSize(f->Size());
        if (f->Style() != b->Style()) other->SetStyle(f->Style());
        if (f->Color() != b->Color()) other->SetColor(f->Color());
        if (f->InterCharSize() != b->InterCharSize()) other->SetInterCharSize(f->InterCharSize());
        TTeeShadow* fs = f->Shadow();
        TTeeShadow* bs = b->Shadow();
        if (fs->HorizSize() != bs->HorizSize()) other->Shadow()->SetHorizSize(fs->HorizSize());
        if (fs->VertSize() != bs->VertSize()) other->Shadow()->SetVertSize(fs->VertSize());
        if (fs->Color() != bs->Color()) other->Shadow()->SetColor(fs->Color());
        if (fs->Visible() != bs->Visible()) other->Shadow()->SetVisible(fs->Visible());
        if (fs->Transparency() != bs->Transparency()) other->Shadow()->SetTransparency(fs->Transparency());
        if (fs->Smooth() != bs->Smooth()) other->Shadow()->SetSmooth(fs->Smooth());
        if (f->Gradient()->Visible() != b->Gradient()->Visible())
            other->Gradient()->SetVisible(f->Gradient()->Visible());
    }
    b->Assign(f);
    if (OldChange) OldChange(f);
}

// ---- show and hide ------------------------------------------------------------------------

void TFormTeeGeneral::FormShow(TObject*) {
    if (!TheChart) return;
    FFilling = true;
    TTeeZoom* zoom = TheChart->Zoom();
    RGPanning->SetItemIndex(int(TheChart->AllowPanning()));
    CBAllowZoom->SetChecked(zoom->Allow());
    CBAnimatedZoom->SetChecked(zoom->Animated());
    UDAniZoomSteps->SetPosition(zoom->AnimatedSteps());
    UDMinPix->SetPosition(zoom->MinimumPixels());
    CBDir->SetItemIndex(int(zoom->Direction()));
    CBZoomMouse->SetItemIndex(int(zoom->MouseButton()));
    CBUpLeft->SetChecked(zoom->UpLeftZooms());
    EnableZoomControls();
    BZoomPen->LinkPen(zoom->Pen());
    CBScrollMouse->SetItemIndex(int(TheChart->ScrollMouseButton()));
    CBScrollMouse->SetEnabled(TheChart->AllowPanning() != pmNone);
    TeeFillCursors(CBCursor, TheChart->Cursor());
    PreviewCursor();
    BLoad->SetVisible(!TheChart->ComponentState().Contains(csDesigning));
    FFilling = false;
    // Series, tools and axes may have come and gone on other pages since the last visit.
    FillFonts();
}

void TFormTeeGeneral::FormHide(TObject*) {
    Unhook();
}

void TFormTeeGeneral::EnableZoomControls() {
    const bool on = CBAllowZoom->Checked();
    for (TControl* c :
         std::initializer_list<TControl*>{CBAnimatedZoom, SEAniZoomSteps, UDAniZoomSteps, BZoomPen,
                                          BZoomColor, EMinPix, UDMinPix, CBDir, CBZoomMouse, CBUpLeft})
        c->SetEnabled(on);
}

// ---- zoom and scroll ----------------------------------------------------------------------

void TFormTeeGeneral::CBAllowZoomClick(TObject*) {
    if (!TheChart || FFilling) return;
    TheChart->Zoom()->SetAllow(CBAllowZoom->Checked());
    EnableZoomControls();
}

void TFormTeeGeneral::CBAnimatedZoomClick(TObject*) {
    if (TheChart && !FFilling) TheChart->Zoom()->SetAnimated(CBAnimatedZoom->Checked());
}

void TFormTeeGeneral::SEAniZoomStepsChange(TObject*) {
    if (TheChart && !FFilling && Showing())
        TheChart->Zoom()->SetAnimatedSteps(SEAniZoomSteps->Text().toInt());
}

void TFormTeeGeneral::EMinPixChange(TObject*) {
    if (TheChart && !FFilling && Showing()) TheChart->Zoom()->SetMinimumPixels(EMinPix->Text().toInt());
}

void TFormTeeGeneral::CBDirChange(TObject*) {
    if (TheChart && !FFilling && CBDir->ItemIndex() >= 0)
        TheChart->Zoom()->SetDirection(TTeeZoomDirection(CBDir->ItemIndex()));
}

void TFormTeeGeneral::CBZoomMouseChange(TObject*) {
    if (TheChart && !FFilling && CBZoomMouse->ItemIndex() >= 0)
        TheChart->Zoom()->SetMouseButton(TMouseButton(CBZoomMouse->ItemIndex()));
}

void TFormTeeGeneral::CBUpLeftClick(TObject*) {
    if (TheChart && !FFilling) TheChart->Zoom()->SetUpLeftZooms(CBUpLeft->Checked());
}

void TFormTeeGeneral::RGPanningClick(TObject*) {
    if (!TheChart || FFilling || RGPanning->ItemIndex() < 0) return;
    TheChart->SetAllowPanning(TPanningMode(RGPanning->ItemIndex()));
    CBScrollMouse->SetEnabled(TheChart->AllowPanning() != pmNone);
}

void TFormTeeGeneral::CBScrollMouseChange(TObject*) {
    if (TheChart && !FFilling && CBScrollMouse->ItemIndex() >= 0)
        TheChart->SetScrollMouseButton(TMouseButton(CBScrollMouse->ItemIndex()));
}

void TFormTeeGeneral::BZoomColorClick(TObject*) {
    if (TheChart) EditChartBrush(this, TheChart->Zoom()->Brush());
}

// ---- cursor -------------------------------------------------------------------------------

void TFormTeeGeneral::PreviewCursor() {
    if (TheChart) TeePreviewCursor(TheChart->Cursor(), ImageCursor->Picture());
}

void TFormTeeGeneral::SetChartCursor(TCursor Cursor) {
    TheChart->SetCursor(Cursor);
    TheChart->SetOriginalCursor(Cursor);
    PreviewCursor();
}

void TFormTeeGeneral::CBCursorChange(TObject*) {
    if (!TheChart || FFilling || CBCursor->ItemIndex() < 0) return;
    SetChartCursor(TeeSetCursor(TheChart->Cursor(), CBCursor->Items()->Strings(CBCursor->ItemIndex())));
}

void TFormTeeGeneral::BLoadClick(TObject*) {
    if (!TheChart) return;
    std::unique_ptr<TOpenDialog> dialog(new TOpenDialog(nullptr));
    dialog->SetFilter(QStringLiteral("Cursor files (*.cur)|*.cur|Animated Cursor files (*.ani)|*.ani"));
    dialog->SetOptions(TOpenOptions{ofHideReadOnly, ofFileMustExist, ofEnableSizing});
    if (!dialog->Execute()) return;
    // A file that does not load takes no slot and leaves the chart's cursor as it was.
    HCURSOR cursor = LoadCursorFromFile(dialog->FileName());
    if (!cursor) {
        ShowMessage(Format(QStringLiteral("Cannot load the cursor file %s"), {dialog->FileName()}));
        return;
    }
    // The first free slot from 2021 on answers the default cursor.
    int slot = kFirstCursorSlot;
    while (slot < 32767 && Screen->Cursors(slot) != Screen->Cursors(crDefault))
        ++slot;
    Screen->SetCursors(slot, cursor);
    SetChartCursor(TCursor(slot));
}
