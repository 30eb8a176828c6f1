// A shown form with a chart on its left and the series page on its right: a series chosen
// there gets its editor in "Format", and the tabs that editor inserts go beside it.
#pragma once

#include "EditorPagesTestSupport.h"

#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"

class SeriesEditorFixture : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 460, 420);
        page = static_cast<TFormTeeSeries*>(TFormTeeSeries::StaticClass()->CreateComponent(form));
        AddFormTo(page, host);
        pages = page->PageSeries;
        formatTab = page->TheTabSheet;
    }

    // Chooses Series on the series page: its editor in "Format", shown.
    template <class T> T* Edit(TChartSeries* Series) {
        Series->SetParentChart(chart);
        if (page->CBSeries->Items()->IndexOfObject(Series) < 0)
            page->CBSeries->Items()->AddObject(Series->Name(), Series);
        page->TheSeries = Series;
        page->SetCBSeries();
        QCoreApplication::processEvents();
        auto* editor = dynamic_cast<T*>(page->SeriesForm());
        EXPECT_NE(editor, nullptr);
        EXPECT_TRUE(editor && editor->Showing());
        return editor;
    }
    // The tab named Caption, or null.
    TTabSheet* Tab(const String& Caption) const {
        for (int i = 0; i < pages->PageCount(); ++i)
            if (pages->Pages(i)->Caption() == Caption) return pages->Pages(i);
        return nullptr;
    }
    void Visit(TTabSheet* Target) {
        pages->SetActivePage(Target);
        QCoreApplication::processEvents();
    }
    // Hides and shows the editor again, as a visit of another tab of the series page does.
    static void ShowAgain(TCustomForm* Editor) {
        Editor->Hide();
        Editor->Show();
        QCoreApplication::processEvents();
    }

    TPanel* host = nullptr;
    TFormTeeSeries* page = nullptr;
    TPageControl* pages = nullptr;
    TTabSheet* formatTab = nullptr;
};
