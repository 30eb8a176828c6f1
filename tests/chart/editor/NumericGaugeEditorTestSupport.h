// What the gauge editor tests share: a chart holding one gauge, and its editor found by the
// gauge's editor class name and embedded in a host panel beside the chart, as the series
// page shows it.
#pragma once

#include "EditorPagesTestSupport.h"

#include "chart/editor/NumericGaugeEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/gauges/CustomGauge.h"
#include "platform/controls/Panel.h"

template <class TGauge, class TEditor> class GaugeEditorFixture : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        gauge = new TGauge(form);
        gauge->SetName(QStringLiteral("Series1"));
        gauge->SetParentChart(chart);
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 380, 300);
    }
    // The editor the gauge names, made and shown in the host with the gauge in its Tag.
    void ShowEditor() {
        editor = dynamic_cast<TEditor*>(TeeCreateEditorForm(gauge, host));
        ASSERT_NE(editor, nullptr);
    }
    // Another visit of the editor's page: the form hides and shows again.
    void ShowAgain() {
        editor->Hide();
        editor->Show();
    }

    TGauge* gauge = nullptr;
    TPanel* host = nullptr;
    TEditor* editor = nullptr;
};
