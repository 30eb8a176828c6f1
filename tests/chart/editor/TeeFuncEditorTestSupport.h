// What the function editor tests share: a shown form with a chart and three line series
// owned by the form (two sources with points, the edited series), the function editor
// embedded in a panel beside the chart, a single-source test function registered for the
// fixture's life, and the combo boxes chosen through their change events.
#pragma once

#include "EditorBaseTestSupport.h"
#include "EditorPagesTestSupport.h"

#include "chart/editor/BaseFunctionEditor.h"
#include "chart/editor/TeeFuncEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Panel.h"

// A function over one source series whose value list the user picks.
class TTestSingleFunction : public TTeeFunction {
    ORVO_CLASS(TTestSingleFunction, TTeeFunction)
public:
    explicit TTestSingleFunction(TComponent* AOwner = nullptr) : TTeeFunction(AOwner) { SingleSource = true; }
};

namespace functest {

// The texts of Items, in order.
inline QStringList ItemsOf(TStrings* Items) {
    QStringList out;
    for (int i = 0; i < Items->Count(); ++i)
        out << Items->Strings(i);
    return out;
}

// Chooses the entry Text of Combo as the user does: the selection, then its change event.
inline void Choose(TComboFlat* Combo, const String& Text) {
    const int index = Combo->Items()->IndexOf(Text);
    ASSERT_NE(index, -1) << Text.toStdString();
    Combo->SetItemIndex(index);
    if (Combo->OnChange) Combo->OnChange(Combo);
}

class FuncEditorFixture : public EditorPageFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    TLineSeries* AddSeries(const String& Name, int Points);
    // Embeds a new function editor for Element (a series, or a chart) (made once per test; each call shows it
    // again).
    TTeeFuncEditor* Open(TObject* Element);
    TBaseFunctionEditor* Options() const { return editor ? editor->IOptions : nullptr; }

    TLineSeries* source1 = nullptr;
    TLineSeries* source2 = nullptr;
    TLineSeries* target = nullptr;
    TPanel* host = nullptr;
    TTeeFuncEditor* editor = nullptr;
    TDialogsAnswered dialogs;
};

} // namespace functest
