// A shown form with a chart on its left and a page control on its right whose first tab
// hosts a series editor, as the series page embeds it: the editor's further tabs go beside.
#pragma once

#include "EditorPagesTestSupport.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/controls/PageControl.h"

class SeriesEditorFixture : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        pages = new TPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(300, 0, 460, 420);
        formatTab = new TTabSheet(pages);
        formatTab->SetPageControl(pages);
        formatTab->SetCaption(QStringLiteral("Format"));
    }

    // The series' editor embedded in the "Format" tab (shown, so its show handler ran).
    template <class T> T* Edit(TChartSeries* Series) {
        Series->SetParentChart(chart);
        auto* editor = dynamic_cast<T*>(TeeCreateEditorForm(Series, formatTab));
        EXPECT_NE(editor, nullptr);
        QCoreApplication::processEvents();
        return editor;
    }
    // Hides and shows the editor again, as a visit of another tab of the series page does.
    static void ShowAgain(TCustomForm* Editor) {
        Editor->Hide();
        Editor->Show();
        QCoreApplication::processEvents();
    }

    TPageControl* pages = nullptr;
    TTabSheet* formatTab = nullptr;
};
