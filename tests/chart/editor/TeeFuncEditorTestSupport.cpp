#include "TeeFuncEditorTestSupport.h"

ORVO_IMPLEMENT_CLASS(TTestSingleFunction, TTeeFunction)
ORVO_PUBLISHED(TTestSingleFunction) {}

namespace functest {

namespace {
String SingleDescription = QStringLiteral("Test\rsingle");
} // namespace

void FuncEditorFixture::SetUp() {
    EditorPageFixture::SetUp();
    RegisterTeeBasicFunction(TTestSingleFunction::StaticClass(), &SingleDescription);
    source1 = AddSeries(QStringLiteral("Source1"), 10);
    source2 = AddSeries(QStringLiteral("Source2"), 10);
    target = AddSeries(QStringLiteral("Target"), 0);
    host = new TPanel(form);
    host->SetParent(form);
    host->SetBounds(300, 0, 460, 420);
}

void FuncEditorFixture::TearDown() {
    if (editor) FreeObject(editor);
    editor = nullptr;
    EditorPageFixture::TearDown();
    UnRegisterTeeFunctions({TTestSingleFunction::StaticClass()});
}

TLineSeries* FuncEditorFixture::AddSeries(const String& Name, int Points) {
    auto* series = new TLineSeries(form);
    series->SetName(Name);
    series->SetParentChart(chart);
    for (int i = 0; i < Points; ++i)
        series->AddXY(i, (i * 7) % 5 + 1);
    return series;
}

TTeeFuncEditor* FuncEditorFixture::Open(TObject* Element) {
    if (!editor)
        editor = static_cast<TTeeFuncEditor*>(TTeeFuncEditor::StaticClass()->CreateComponent(form));
    else
        editor->Hide();
    AddFormTo(editor, host, Element);
    return editor;
}

} // namespace functest
