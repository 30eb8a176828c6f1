// Cursors: the identifiers, the desktop shapes behind the stock ids, cursor files and
// the table of cursors by id.
#include "GraphicsTestSupport.h"

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Cursor.h"

#include <QCursor>
#include <QFile>
#include <QTemporaryDir>

using namespace platform::detail;

namespace {
// A 32 x 32 cursor image: a red square in the top-left quarter, the rest transparent.
QImage RedCorner() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}
} // namespace

TEST(Cursor, IdentifiersBothWaysAndRegisteredForStreaming) {
    struct Case {
        TCursor id;
        const char* name;
    };
    const Case cases[] = {{crDefault, "crDefault"},     {crNone, "crNone"},
                          {crSizeNESW, "crSizeNESW"},   {crHourGlass, "crHourGlass"},
                          {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"}};
    for (const Case& c : cases) {
        String ident;
        ASSERT_TRUE(CursorToIdent(c.id, ident)) << c.name;
        EXPECT_EQ(ident, QString::fromLatin1(c.name));
        int back = 1;
        ASSERT_TRUE(IdentToCursor(QString::fromLatin1(c.name).toUpper(), back));
        EXPECT_EQ(back, c.id);
    }
    String ident;
    EXPECT_FALSE(CursorToIdent(-5, ident)) << "-5 is no stock cursor";
    EXPECT_FALSE(CursorToIdent(2020, ident));
    EXPECT_EQ(CursorToString(2020), QStringLiteral("2020"));
    EXPECT_EQ(StringToCursor(QStringLiteral("crIBeam")), crIBeam);
    EXPECT_EQ(StringToCursor(QStringLiteral("-21")), crHandPoint);
    EXPECT_THROW(StringToCursor(QStringLiteral("crPointer")), EConvertError);
    EXPECT_THROW(StringToCursor(QStringLiteral("40000")), EConvertError);

    QStringList all;
    GetCursorValues([](const String& S, void* Data) { static_cast<QStringList*>(Data)->append(S); }, &all);
    ASSERT_EQ(all.size(), 22);
    EXPECT_EQ(all.front(), QStringLiteral("crDefault"));
    EXPECT_EQ(all.back(), QStringLiteral("crSizeAll"));

    int v = 0;
    ASSERT_TRUE(FindIdentToInt(TypeInfoTCursor()));
    EXPECT_TRUE(FindIdentToInt(TypeInfoTCursor())(QStringLiteral("crDrag"), v));
    EXPECT_EQ(v, crDrag);
}

TEST(Cursor, StockIdsShowTheDesktopCursors) {
    const std::pair<TCursor, Qt::CursorShape> shapes[] = {
        {crDefault, Qt::ArrowCursor},      {crNone, Qt::BlankCursor},
        {crIBeam, Qt::IBeamCursor},        {crSizeNESW, Qt::SizeBDiagCursor},
        {crSizeNWSE, Qt::SizeFDiagCursor}, {crSizeNS, Qt::SizeVerCursor},
        {crSizeWE, Qt::SizeHorCursor},     {crHourGlass, Qt::WaitCursor},
        {crNo, Qt::ForbiddenCursor},       {crHandPoint, Qt::PointingHandCursor},
        {crHSplit, Qt::SplitHCursor},      {crAppStart, Qt::BusyCursor},
    };
    for (const auto& [id, shape] : shapes)
        EXPECT_EQ(ToQCursor(StockCursor(id)).shape(), shape) << id;
    EXPECT_EQ(LoadCursor(0, IDC_HAND), StockCursor(crHandPoint));
    EXPECT_EQ(LoadCursor(0, 12345), nullptr);
    // The charts' hand cursor resource is the desktop's pointing hand.
    EXPECT_EQ(LoadCursor(0, QStringLiteral("tee_cursor_hand")), StockCursor(crHandPoint));
    EXPECT_EQ(LoadCursor(0, QStringLiteral("NO_SUCH_CURSOR")), nullptr);
    EXPECT_TRUE(DestroyCursor(StockCursor(crCross))) << "stock cursors survive being destroyed";
    EXPECT_EQ(ToQCursor(StockCursor(crCross)).shape(), Qt::CrossCursor);
}

TEST(Cursor, CursorFilesKeepTheirImageAndHotSpot) {
    QTemporaryDir dir;
    const QString cur = dir.filePath(QStringLiteral("pointer.cur"));
    {
        QFile f(cur);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(WriteIconFile(RedCorner(), true, {3, 5}));
    }
    HCURSOR h = LoadCursorFromFile(cur);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(IconHotSpot(h), Point(3, 5));
    EXPECT_EQ(IconImage(h).pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(IconImage(h).pixel(20, 20)), 0);
    const QCursor q = ToQCursor(h);
    EXPECT_EQ(q.shape(), Qt::BitmapCursor);
    EXPECT_EQ(q.hotSpot(), QPoint(3, 5));
    DestroyCursor(h);

    // Not a cursor: an animated cursor, a truncated file, a missing file.
    const QString ani = dir.filePath(QStringLiteral("busy.ani"));
    const QString cut = dir.filePath(QStringLiteral("cut.cur"));
    {
        QFile a(ani);
        ASSERT_TRUE(a.open(QIODevice::WriteOnly));
        a.write("RIFF\x10\0\0\0ACONanih", 16);
        QFile c(cut);
        ASSERT_TRUE(c.open(QIODevice::WriteOnly));
        c.write(WriteIconFile(RedCorner(), true, {0, 0}).left(200));
    }
    EXPECT_EQ(LoadCursorFromFile(ani), nullptr);
    EXPECT_EQ(LoadCursorFromFile(cut), nullptr);
    EXPECT_EQ(LoadCursorFromFile(dir.filePath(QStringLiteral("none.cur"))), nullptr);
}

TEST(Cursor, TableAnswersTheDefaultForEmptySlotsAndOwnsItsCursors) {
    TCursorTable table;
    EXPECT_EQ(table.Cursor(crHourGlass), StockCursor(crHourGlass));
    EXPECT_EQ(table.Cursor(2021), table.Cursor(crDefault)) << "an unset id answers the default cursor";
    EXPECT_FALSE(table.Contains(2021));

    table.SetCursor(2020, LoadCursor(0, QStringLiteral("TEE_CURSOR_HAND")));
    EXPECT_EQ(ToQCursor(table.Cursor(2020)).shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(table.Contains(2020));

    // One custom handle in two slots: clearing one keeps it alive for the other, and the
    // table destroys it once at the end (a sanitizer run catches a second destruction).
    HCURSOR own = NewIcon(RedCorner(), {1, 1}, false);
    table.SetCursor(2021, own);
    table.SetCursor(368, own);
    table.SetCursor(2021, nullptr);
    EXPECT_EQ(table.Cursor(2021), table.Cursor(crDefault));
    EXPECT_EQ(table.Cursor(368), own);
    EXPECT_EQ(IconHotSpot(table.Cursor(368)), Point(1, 1));

    // Replacing a stock id, and the default.
    table.SetCursor(crDrag, StockCursor(crMultiDrag));
    EXPECT_EQ(table.Cursor(crDrag), StockCursor(crMultiDrag));
    table.SetCursor(crDefault, StockCursor(crCross));
    EXPECT_EQ(table.Cursor(5000), StockCursor(crCross));
    table.SetCursor(crDefault, nullptr);
    EXPECT_EQ(ToQCursor(table.Cursor(5000)).shape(), Qt::ArrowCursor);
}
