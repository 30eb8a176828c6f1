// The editor's shared routines: finding and embedding an element's editor form, dialogs made,
// centred and scaled, yes/no questions, list moves, value formats, arrow bitmaps and the
// cursor names.
#include "EditorBaseTestSupport.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/CursorTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"

#include <QImage>

using namespace editortest;

namespace {
// An editor form that needs no resource, and a tool that names it.
class TTestToolEditor : public TForm {
    ORVO_CLASS(TTestToolEditor, TForm)
public:
    explicit TTestToolEditor(TComponent* AOwner) : TForm(AOwner, 0) {}
};

class TTestEditedTool : public TCursorTool {
    ORVO_CLASS(TTestEditedTool, TCursorTool)
public:
    explicit TTestEditedTool(TComponent* AOwner) : TCursorTool(AOwner) {}
    String GetEditorClass() override { return EditorName; }
    String EditorName;
};

struct Host : ::testing::Test {
    Owned<TForm> form{new TForm(nullptr, 0)};
    TPanel* host = nullptr;
    void SetUp() override {
        form->SetClientSize(400, 300);
        host = new TPanel(form.get());
        host->SetParent(form.get());
        host->SetBounds(0, 0, 300, 200);
        form->Show();
    }
};
} // namespace

ORVO_IMPLEMENT_CLASS(TTestToolEditor, TForm)
ORVO_PUBLISHED(TTestToolEditor) {}
ORVO_IMPLEMENT_CLASS(TTestEditedTool, TCursorTool)
ORVO_PUBLISHED(TTestEditedTool) {}

TEST_F(Host, AnElementsEditorIsFoundByItsClassNameOrNotAtAll) {
    RegisterClass(TTestToolEditor::StaticClass());
    struct Case {
        const char* editor;
        TClass expected;
    };
    const Case cases[] = {
        {"TTestToolEditor", TTestToolEditor::StaticClass()},
        {"ttesttooleditor", TTestToolEditor::StaticClass()},
        // Named by a tool but registered by no start-up: the host stays empty.
        {"TCursorToolEditor", nullptr},
        {"", nullptr},
        // Registered, but not a form.
        {"TPanel", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editor);
        Owned<TTestEditedTool> tool(new TTestEditedTool(nullptr));
        tool->EditorName = QString::fromLatin1(c.editor);
        EXPECT_EQ(TeeEditorFormClass(tool.get()), c.expected);
        TCustomForm* editor = TeeCreateEditorForm(tool.get(), host);
        if (!c.expected) {
            EXPECT_EQ(editor, nullptr);
            EXPECT_EQ(host->ControlCount(), 0);
            continue;
        }
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->ClassType(), c.expected);
        EXPECT_EQ(editor->Owner(), host);
        EXPECT_EQ(editor->Parent(), host);
        EXPECT_EQ(editor->Align(), alClient);
        EXPECT_EQ(TeeFormTagObject(editor), tool.get());
        EXPECT_TRUE(editor->Visible());
        FreeObject(editor);
    }
    // The stock tools name editors of their own that no start-up registered yet.
    Owned<TCursorTool> cursor(new TCursorTool(nullptr));
    EXPECT_EQ(cursor->GetEditorClass(), "TCursorToolEditor");
    EXPECT_EQ(TeeCreateEditorForm(cursor.get(), host), nullptr);
    EXPECT_EQ(host->ControlCount(), 0);
    UnRegisterClass(TTestToolEditor::StaticClass());
}

TEST_F(Host, AddFormToPlacesTheFormAtMostFourFromTheTop) {
    struct Case {
        int hostHeight, formHeight, top;
    };
    // Top is half the difference of the client heights (either way round), at most 4.
    const Case cases[] = {{200, 200, 0}, {200, 199, 0}, {200, 198, 1}, {200, 193, 3},
                          {200, 192, 4}, {200, 100, 4}, {200, 206, 3}, {200, 208, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hostHeight << " " << c.formHeight);
        host->SetHeight(c.hostHeight);
        host->SetVisible(false);
        Owned<TTestToolEditor> editor(new TTestToolEditor(nullptr));
        editor->SetClientSize(150, c.formHeight);
        TPanel* tag = host;
        AddFormTo(editor.get(), host, tag);
        EXPECT_EQ(editor->Top(), c.top);
        EXPECT_EQ(editor->Left(), 4);
        EXPECT_EQ(editor->Parent(), host);
        EXPECT_EQ(editor->BorderStyle(), bsNone);
        EXPECT_EQ(editor->BorderIcons(), TBorderIcons());
        EXPECT_EQ(editor->Position(), poDesigned);
        EXPECT_TRUE(editor->ParentColor());
        EXPECT_EQ(TeeFormTagObject(editor.get()), host);
        EXPECT_TRUE(editor->Visible());
        // The host goes back to how it was.
        EXPECT_FALSE(host->Visible());
        host->SetVisible(true);
    }
}

TEST_F(Host, EmbeddedFormsTakeTheEnclosingFormsScale) {
    Owned<TTestToolEditor> editor(new TTestToolEditor(nullptr));
    editor->SetPixelsPerInch(120);
    editor->SetClientSize(150, 100);
    AddFormTo(editor.get(), host, nullptr);
    EXPECT_EQ(editor->PixelsPerInch(), form->PixelsPerInch());
    EXPECT_EQ(editor->ClientWidth(), 150 * 96 / 120);
    // Already at the same scale: nothing changes.
    TeeScaleForm(editor.get());
    EXPECT_EQ(editor->ClientWidth(), 150 * 96 / 120);
}

TEST_F(Host, CreatedDialogsBelongToTheOwnersFormAndAreCentred) {
    Owned<TTestToolEditor> free(
        static_cast<TTestToolEditor*>(TeeCreateForm(TTestToolEditor::StaticClass(), nullptr)));
    EXPECT_EQ(free->Owner(), nullptr);
    EXPECT_EQ(free->Position(), poScreenCenter);
    EXPECT_EQ(free->BorderStyle(), bsDialog);
    EXPECT_EQ(free->Align(), alNone);
    // Asked for by a control: the control's form owns it.
    auto* owned = TeeCreateForm<TTestToolEditor>(host);
    EXPECT_EQ(owned->Owner(), form.get());
    EXPECT_EQ(owned->Position(), poOwnerFormCenter);
    FreeObject(owned);
    // A form asked for itself keeps itself as owner.
    owned = TeeCreateForm<TTestToolEditor>(form.get());
    EXPECT_EQ(owned->Owner(), form.get());
    FreeObject(owned);
}

TEST_F(Host, YesNoQuestionsAreConfirmationsPlacedNearTheControl) {
    TMessageDlgRequest asked;
    int answer = mrYes;
    MessageHook hook([&](const TMessageDlgRequest& r) {
        asked = r;
        return answer;
    });
    Screen->SetCursor(crHourGlass);
    EXPECT_TRUE(TeeYesNo(QStringLiteral("Sure?")));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(asked.Msg, "Sure?");
    EXPECT_EQ(asked.DlgType, mtConfirmation);
    EXPECT_EQ(asked.Buttons, mbYesNo);
    EXPECT_EQ(asked.X, -1);
    answer = mrNo;
    EXPECT_FALSE(TeeYesNoDelete(QStringLiteral("Series1"), host));
    EXPECT_EQ(asked.Msg, "Delete Series1 ?");
    const TPoint origin = host->ClientOrigin();
    EXPECT_EQ(asked.X, origin.X + 20);
    EXPECT_EQ(asked.Y, origin.Y + 30);
    answer = mrCancel;
    EXPECT_FALSE(TeeYesNo(QStringLiteral("Closed?"), host));
}

TEST(TeePenDlg, ValueFormatsAreAppendedInTheirOrder) {
    TStringList items;
    items.Add(QStringLiteral("mine"));
    AddDefaultValueFormats(&items);
    const QStringList expected = {
        "mine",  "#,##0.###",       "0",         "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)",
        "00e-0", "#.0 \"x10\" E+0", "#.# x10E-#"};
    ASSERT_EQ(items.Count(), expected.size());
    for (int i = 0; i < items.Count(); ++i)
        EXPECT_EQ(items[i], expected[i]) << i;
}

TEST_F(Host, MovingListItemsKeepsTextObjectsAndOrder) {
    auto* from = new TListBox(form.get());
    from->SetParent(form.get());
    from->SetMultiSelect(true);
    auto* to = new TListBox(form.get());
    to->SetParent(form.get());
    TObject* objects[4] = {from, to, host, form.get()};
    for (int i = 0; i < 4; ++i)
        from->Items()->AddObject(QStringLiteral("item%1").arg(i), objects[i]);
    to->Items()->Add(QStringLiteral("first"));
    from->SetSelected(3, true);
    from->SetSelected(1, true);
    MoveList(from, to);
    ASSERT_EQ(to->Items()->Count(), 3);
    EXPECT_EQ(to->Items()->Strings(1), "item1");
    EXPECT_EQ(to->Items()->Objects(1), to);
    EXPECT_EQ(to->Items()->Strings(2), "item3");
    EXPECT_EQ(to->Items()->Objects(2), form.get());
    ASSERT_EQ(from->Items()->Count(), 2);
    EXPECT_EQ(from->Items()->Strings(0), "item0");
    EXPECT_EQ(from->Items()->Strings(1), "item2");
    // Nothing selected: nothing moves.
    MoveList(from, to);
    EXPECT_EQ(from->Items()->Count(), 2);
    EXPECT_EQ(to->Items()->Count(), 3);

    MoveListAll(to->Items(), from->Items());
    EXPECT_EQ(to->Items()->Count(), 0);
    ASSERT_EQ(from->Items()->Count(), 5);
    EXPECT_EQ(from->Items()->Strings(2), "first");
    EXPECT_EQ(from->Items()->Strings(4), "item3");
    EXPECT_EQ(from->Items()->Objects(4), form.get());
}

TEST(TeePenDlg, CursorNamesAddTheChartsHandToTheLibrarysOwn) {
    struct Case {
        TCursor current;
        const char* name;
        TCursor expected;
    };
    const Case cases[] = {{crDefault, "TeeHand", crTeeHand},
                          {crDefault, "Cross", crCross},
                          {crCross, "HandPoint", crHandPoint},
                          {crIBeam, "NoSuchCursor", crIBeam},
                          {crIBeam, "", crIBeam},
                          {crTeeHand, "Default", crDefault}};
    for (const Case& c : cases)
        EXPECT_EQ(TeeSetCursor(c.current, QString::fromLatin1(c.name)), c.expected) << c.name;
    String ident;
    EXPECT_TRUE(TeeCursorToIdent(crTeeHand, ident));
    EXPECT_EQ(ident, "crTeeHand");
    EXPECT_TRUE(TeeCursorToIdent(crSizeAll, ident));
    EXPECT_EQ(ident, "crSizeAll");
    EXPECT_FALSE(TeeCursorToIdent(1234, ident));
    int cursor = 0;
    EXPECT_TRUE(TeeIdentToCursor(QStringLiteral("crTeeHand"), cursor));
    EXPECT_EQ(cursor, crTeeHand);
    EXPECT_FALSE(TeeIdentToCursor(QStringLiteral("TeeHand"), cursor));
}

TEST_F(Host, TheCursorListHoldsEveryNameThenTheHandAndSelectsTheCursor) {
    auto* combo = new TComboFlat(form.get());
    combo->SetParent(form.get());
    combo->Items()->Add(QStringLiteral("stale"));
    QStringList library;
    GetCursorValues([](const String& S, void* Data) { *static_cast<QStringList*>(Data) << S.mid(2); },
                    &library);
    library << QStringLiteral("TeeHand");
    struct Case {
        TCursor cursor;
        const char* selected; // null: nothing selected
    };
    const Case cases[] = {{crTeeHand, "TeeHand"},
                          {crDefault, "Default"},
                          {crSizeAll, "SizeAll"},
                          {crCross, "Cross"},
                          {1234, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cursor);
        TeeFillCursors(combo, c.cursor);
        QStringList items;
        for (int i = 0; i < combo->Items()->Count(); ++i)
            items << combo->Items()->Strings(i);
        EXPECT_EQ(items, library);
        if (c.selected)
            EXPECT_EQ(combo->CurrentItem(), QString::fromLatin1(c.selected));
        else
            EXPECT_EQ(combo->ItemIndex(), -1);
    }
    EXPECT_EQ(library.first(), "Default");
}

TEST(TeePenDlg, ArrowBitmapsLoadFromTheResources) {
    TBitmap up, down;
    TeeLoadArrowBitmaps(&up, &down);
    ASSERT_FALSE(up.Empty());
    ASSERT_FALSE(down.Empty());
    EXPECT_EQ(up.Width(), down.Width());
    // The up arrow is wide at the bottom, the down arrow at the top.
    const int mid = up.Width() / 2;
    EXPECT_EQ(up.Canvas()->Pixels(mid, up.Height() / 2 - 2), clBlack);
    EXPECT_EQ(down.Canvas()->Pixels(mid, down.Height() / 2 + 2), clBlack);
    EXPECT_EQ(up.Canvas()->Pixels(1, up.Height() / 2 + 2), clBlack);
    EXPECT_NE(up.Canvas()->Pixels(1, up.Height() / 2 - 2), clBlack);
    EXPECT_EQ(down.Canvas()->Pixels(1, down.Height() / 2 - 2), clBlack);
}

TEST(TeePenDlg, CursorPreviewsDrawTheCursorAtTheSystemSize) {
    TPicture picture;
    for (TCursor cursor : {crTeeHand, crArrow, crIBeam, crSizeAll}) {
        SCOPED_TRACE(cursor);
        TeePreviewCursor(cursor, &picture);
        auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->Width(), GetSystemMetrics(SM_CXCURSOR));
        EXPECT_EQ(bitmap->Height(), GetSystemMetrics(SM_CYCURSOR));
        const QImage image = platform::detail::IconImage(Screen->Cursors(cursor));
        int dark = 0;
        for (int y = 0; y < bitmap->Height(); ++y)
            for (int x = 0; x < bitmap->Width(); ++x)
                if (x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) == 255 &&
                    bitmap->Canvas()->Pixels(x, y) ==
                        TColor(RGB(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)),
                                   qBlue(image.pixel(x, y)))))
                    ++dark;
        EXPECT_GT(dark, 10);
    }
    // No picture for the blank cursor: the preview is emptied.
    TeePreviewCursor(crNone, &picture);
    EXPECT_EQ(picture.Graphic(), nullptr);
}
