// The gallery's table of tool classes: order, texts and editor names, registered once by the
// library's start-up and taken away by its finalisation.
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/tools/AnnotationTool.h"
#include "chart/tools/ChartToolsStartup.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/LibraryStartup.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

struct Row {
    const char* className;
    const char* description;
    const char* longDescription;
    const char* editor;
};

const Row Table[] = {
    {"TCursorTool", "Cursor", "Displays draggable Cursor lines on top of Series.", "TCursorToolEditor"},
    {"TDragMarksTool", "Drag Marks", "Moves Series marks when dragging them with mouse.",
     "TDragMarksToolEditor"},
    {"TAxisArrowTool", "Axis Arrows",
     "Displays clickable arrows at axis start and ending points, to scroll axis.", "TAxisArrowToolEditor"},
    {"TDrawLineTool", "Draw Line", "Allows drawing custom lines by dragging the mouse.", "TDrawLineEdit"},
    {"TNearestTool", "Nearest Point",
     "Displays a graphical signal when the mouse is moving near a series point.", "TNearestToolEdit"},
    {"TColorBandTool", "Color Band",
     "Displays a coloured rectangle (band) at the specified axis and position.", "TColorBandToolEditor"},
    {"TColorLineTool", "Color Line", "Displays a draggable line across axes.", "TColorLineToolEditor"},
    {"TRotateTool", "Rotate", "Allows rotating Chart dragging with mouse button.", "TRotateToolEditor"},
    {"TChartImageTool", "Image",
     "Displays a picture using the specified Series axes as boundaries. When the axis are zoomed or "
     "scrolled, "
     "the picture will follow the new boundaries.",
     "TChartImageToolEditor"},
    {"TMarksTipTool", "Mark Tips",
     "Displays \"tips\" or \"hints\" when the end-user moves or clicks the mouse over a "
     "series point.",
     "TMarksTipToolEdit"},
    {"TAnnotationTool", "Annotation", "Displays custom text at any location inside Chart.",
     "TAnnotationToolEdit"},
    {"TSeriesAnimationTool", "Series Animation", "Performs growing animation of Series points.",
     "TSeriesAnimToolEditor"},
    {"TGridBandTool", "Grid Band",
     "Grid Band tool, use it to display a coloured rectangles (bands) at the grid lines of the specified "
     "axis "
     "and position.",
     "TGridBandToolEdit"},
    {"TAxisScrollTool", "Axis Scroll", "Allows the scrolling of Axes by mouse dragging", "TAxisScrollEditor"},
    {"TRectangleTool", "Rectangle",
     "Displays custom text at any location inside Chart within a resizable box.", "TAnnotationToolEdit"},
    {"TClipSeriesTool", "Clip Series", "Restricts Series painting outside Series associated axes boundaries.",
     "TSeriesToolEditor"},
    {"TFullScreenTool", "Full Screen", "Show Chart maximized to full screen", ""},
};

TEST(ChartToolsTable, SeventeenToolsInOrderWithTheirTextsAndEditors) {
    TTeeToolTypes* list = TeeToolTypesList();
    const int first = list->IndexOf(GetClass(QStringLiteral("TCursorTool")));
    ASSERT_GE(first, 0);
    int at = first;
    for (const Row& row : Table) {
        SCOPED_TRACE(row.className);
        TClass cls = GetClass(QString::fromLatin1(row.className));
        ASSERT_NE(cls, nullptr);
        EXPECT_EQ(list->IndexOf(cls), at++);
        std::unique_ptr<TObject, Free> object(cls->CreateComponent(nullptr));
        auto* tool = dynamic_cast<TTeeCustomTool*>(object.get());
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->Description(), QString::fromUtf8(row.description));
        EXPECT_EQ(tool->LongDescription(), QString::fromUtf8(row.longDescription));
        EXPECT_EQ(tool->GetEditorClass(), QString::fromUtf8(row.editor));
    }
}

TEST(ChartToolsTable, SecondStartUpAddsNothingAndFinalisationTakesTheToolsAway) {
    TTeeToolTypes* list = TeeToolTypesList();
    const int count = list->Count();
    ChartToolsStartup().Initialize();
    EXPECT_EQ(list->Count(), count);
    ChartToolsStartup().Finalize();
    for (const Row& row : Table)
        EXPECT_EQ(GetClass(QString::fromLatin1(row.className)), nullptr) << row.className;
    EXPECT_EQ(list->IndexOf(TAnnotationTool::StaticClass()), -1);
    EXPECT_EQ(list->Count(), count - 19); // the table, the drag-point and the anti-alias tool
    ChartToolsStartup().Initialize();
    EXPECT_EQ(list->Count(), count);
    EXPECT_NE(GetClass(QStringLiteral("TFullScreenTool")), nullptr);
}

} // namespace
