// The panel unit's shared services: field lists, names, separators, the callback sort, the
// default palette, the editor options in the registry, hooks, links, check boxes and the
// hand cursor.
#include "chart/engine/panel/PanelFunctions.h"

#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/classes/ResourceStream.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Shell.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

TEST(PanelFunctions, Fields) {
    const QString abc = QStringLiteral("a;b;c");
    struct {
        int index;
        const char* field;
    } const fields[] = {{1, "a"}, {2, "b"}, {3, "c"}, {4, "c"}, {0, ""}, {-3, ""}};
    for (const auto& f : fields)
        EXPECT_EQ(TeeExtractField(abc, f.index), QString::fromLatin1(f.field)) << f.index;
    EXPECT_EQ(TeeExtractField(QString(), 1), QString());
    EXPECT_EQ(TeeExtractField(QStringLiteral("a;;b"), 2), QString());
    EXPECT_EQ(TeeExtractField(QStringLiteral("x||y||z"), 2, QStringLiteral("||")), QStringLiteral("y"));

    EXPECT_EQ(TeeNumFields(QString()), 0);
    EXPECT_EQ(TeeNumFields(QStringLiteral("a")), 1);
    EXPECT_EQ(TeeNumFields(QStringLiteral("a;;b")), 3);
    EXPECT_EQ(TeeNumFields(QStringLiteral("a,b"), QStringLiteral(",")), 2);
    EXPECT_EQ(TeeFieldsSeparator, QStringLiteral(";")); // the overloads leave the global alone
    EXPECT_EQ(TeeNumFields(QStringLiteral("a;b"), QString()), 1);
    EXPECT_EQ(TeeExtractField(QStringLiteral("a;b"), 2, QString()), QStringLiteral("a;b"));
}

TEST(PanelFunctions, ReplaceCharAndFormats) {
    EXPECT_EQ(ReplaceChar(QStringLiteral("a-b-c"), u'-', u'+'), QStringLiteral("a+b+c"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("a-b-c"), u'-', QChar()), QStringLiteral("abc"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("a-b-c"), u'-', u'-'), QStringLiteral("a-b-c"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("a-b"), QChar(), QChar()), QStringLiteral("a-b"));

    const TFormatSettings saved = FormatSettings;
    FormatSettings.ThousandSeparator = u'.';
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(VclToLocalFormat(QStringLiteral("#,##0.00")), QStringLiteral("#.##0,00"));
    EXPECT_EQ(LocalToVclFormat(QStringLiteral("#.##0,00")), QStringLiteral("#,##0.00"));
    FormatSettings.ThousandSeparator = u' ';
    EXPECT_EQ(VclToLocalFormat(QStringLiteral("#,##0.00")), QStringLiteral("# ##0,00"));
    FormatSettings.ThousandSeparator = u',';
    EXPECT_EQ(VclToLocalFormat(QStringLiteral("#,##0.00")), QStringLiteral("#,##0.00"));
    FormatSettings = saved;
}

TEST(PanelFunctions, UniqueNames) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName(QStringLiteral("Series1"));
    auto* b = new TComponent(&owner);
    b->SetName(QStringLiteral("Series2"));
    EXPECT_EQ(TeeGetUniqueName(&owner, QStringLiteral("Series")), QStringLiteral("Series3"));
    a->SetName(QStringLiteral("Other"));
    EXPECT_EQ(TeeGetUniqueName(&owner, QStringLiteral("Series")), QStringLiteral("Series1"));
    EXPECT_EQ(TeeGetUniqueName(nullptr, QStringLiteral("Tool")), QStringLiteral("Tool1"));
}

TEST(PanelFunctions, TeeSort) {
    std::mt19937 random(17);
    const std::vector<std::vector<int>> inputs = {
        {},
        {1},
        {2, 1},
        {3, 3, 3, 3},
        {5, 4, 3, 2, 1, 0},
        {0, 1, 2, 3, 4, 5, 6},
        [&] {
            std::vector<int> v(500);
            for (int& x : v)
                x = int(random() % 50);
            return v;
        }(),
    };
    for (std::vector<int> v : inputs) {
        std::vector<int> expected = v;
        std::sort(expected.begin(), expected.end());
        const int last = int(v.size()) - 1;
        TeeSort(
            0, last, [&](int x, int y) { return v.at(std::size_t(x)) - v.at(std::size_t(y)); },
            [&](int x, int y) { std::swap(v.at(std::size_t(x)), v.at(std::size_t(y))); });
        EXPECT_EQ(v, expected);
    }
    // A sub-range only: items outside are not touched.
    std::vector<int> v{9, 3, 2, 1, 0};
    TeeSort(
        1, 3, [&](int x, int y) { return v[std::size_t(x)] - v[std::size_t(y)]; },
        [&](int x, int y) { std::swap(v[std::size_t(x)], v[std::size_t(y)]); });
    EXPECT_EQ(v, (std::vector<int>{9, 1, 2, 3, 0}));
    // A comparison that always answers "before" stays within the range.
    int lowest = 100, highest = -100;
    TeeSort(
        10, 20,
        [&](int x, int y) {
            lowest = std::min({lowest, x, y});
            highest = std::max({highest, x, y});
            return -1;
        },
        [](int, int) {});
    EXPECT_GE(lowest, 10);
    EXPECT_LE(highest, 20);
}

TEST(PanelFunctions, Palette) {
    EXPECT_EQ(ColorPalette.size(), 20u);
    EXPECT_EQ(GetDefaultColor(0), clRed);
    EXPECT_EQ(GetDefaultColor(16), clMoneyGreen);
    EXPECT_EQ(GetDefaultColor(19), clMedGray);
    EXPECT_EQ(GetDefaultColor(20), clRed);
    EXPECT_EQ(GetDefaultColor(-1), clMedGray);

    const TColor two[] = {clBlue, clLime};
    SetDefaultColorPalette(two, 0); // one colour
    EXPECT_EQ(ColorPalette, std::vector<TColor>{clBlue});
    EXPECT_EQ(GetDefaultColor(5), clBlue);
    SetDefaultColorPalette(two, 9); // held to the colours given
    EXPECT_EQ(ColorPalette, (std::vector<TColor>{clBlue, clLime}));
    EXPECT_EQ(GetDefaultColor(3), clLime);
    SetDefaultColorPalette(two, -1); // none: the defaults
    EXPECT_EQ(ColorPalette.size(), 20u);
    ColorPalette.clear(); // an emptied palette still answers
    EXPECT_EQ(GetDefaultColor(1), clGreen);
    SetDefaultColorPalette();
    EXPECT_EQ(ColorPalette.size(), 20u);
}

TEST(PanelFunctions, EditorOptions) {
    QTemporaryDir dir;
    SetRegistryFileName(dir.filePath(QStringLiteral("registry.ini")));
    EXPECT_TRUE(TeeReadBoolOption(QStringLiteral("SmoothGallery"), true));
    EXPECT_EQ(TeeReadIntegerOption(QStringLiteral("TreeWidth"), 7), 7);
    EXPECT_EQ(TeeReadStringOption(QStringLiteral("GalleryMode"), QStringLiteral("x")), QStringLiteral("x"));

    TeeSaveBoolOption(QStringLiteral("SmoothGallery"), false);
    TeeSaveIntegerOption(QStringLiteral("TreeWidth"), 150);
    TeeSaveStringOption(QStringLiteral("GalleryMode"), QStringLiteral("grid"));
    EXPECT_FALSE(TeeReadBoolOption(QStringLiteral("SmoothGallery"), true));
    EXPECT_EQ(TeeReadIntegerOption(QStringLiteral("TreeWidth"), 7), 150);
    EXPECT_EQ(TeeReadStringOption(QStringLiteral("GalleryMode"), QString()), QStringLiteral("grid"));
    // The values live under the editor's key of the current user.
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKeyReadOnly(TeeEditorOptionsKey));
        EXPECT_EQ(reg.ReadInteger(QStringLiteral("TreeWidth")), 150);
    }
    // A value of another kind reads as the default.
    EXPECT_EQ(TeeReadIntegerOption(QStringLiteral("GalleryMode"), 3), 3);
    SetRegistryFileName(QString());
}

String shout(const String& Text) {
    return Text.toUpper();
}

TEST(PanelFunctions, HooksLinksAndCursor) {
    EXPECT_EQ(TeeTranslateString(QStringLiteral("Title")), QStringLiteral("Title"));
    TeeTranslateStringHook = shout;
    EXPECT_EQ(TeeTranslateString(QStringLiteral("Title")), QStringLiteral("TITLE"));
    TeeTranslateStringHook = nullptr;
    TeeTranslateControl(nullptr); // no hook: nothing happens

    std::vector<String> opened;
    const TShellOpenHook previous = SetShellOpenHook([&](const String& t) {
        opened.push_back(t);
        return true;
    });
    TeeGotoURL(nullptr, QStringLiteral("https://example.org"));
    TeeGotoURL(nullptr, String(300, u'a'));
    SetShellOpenHook(previous);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QStringLiteral("https://example.org"));
    EXPECT_EQ(opened[1].size(), 255);

    TeeRegisterHandCursor();
    EXPECT_NE(Screen->Cursors(crTeeHand), nullptr);
    EXPECT_NE(Screen->Cursors(crTeeHand), Screen->Cursors(crDefault));
}

TEST(PanelFunctions, BitmapsAndCheckBoxes) {
    TBitmap bitmap;
    EXPECT_FALSE(TeeLoadBitmap(&bitmap, QStringLiteral("NO_SUCH_BITMAP"), QStringLiteral("NOR_THIS")));
    EXPECT_FALSE(TeeGetBitmapEditor(&bitmap, &bitmap));
    EXPECT_TRUE(bitmap.Empty());

    bitmap.SetSize(20, 20);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect{0, 0, 20, 20});
    TeeDrawCheckBox(2, 2, bitmap.Canvas(), true, clRed, true);
    int changed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (bitmap.Canvas()->Pixels(x, y) != clWhite) {
                ++changed;
                EXPECT_TRUE(x >= 2 && x < 15 && y >= 2 && y < 15) << x << "," << y;
            }
    EXPECT_GT(changed, 0);
}

// An element's editor icon is drawn with its corner at the given point; the icon of the
// element's parent class stands in for its own. An element without icon draws nothing.
TEST(PanelFunctions, EditorIconDrawnAtItsCorner) {
    static std::vector<Byte> bytes;
    {
        TBitmap icon;
        icon.SetSize(3, 2);
        icon.Canvas()->Brush()->SetColor(clRed);
        icon.Canvas()->FillRect(TRect{0, 0, 3, 2});
        TMemoryStream m;
        icon.SaveToStream(&m);
        bytes.assign(static_cast<const Byte*>(m.Memory()), static_cast<const Byte*>(m.Memory()) + m.Size());
    }
    static const TResourceEntry entries[] = {{RT_BITMAP, "TPersistent", bytes.data(), bytes.size()}};
    RegisterResources(entries, 1);

    TBitmap target;
    target.SetSize(10, 10);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect{0, 0, 10, 10});
    TComponent element(nullptr);
    TeeDrawBitmapEditor(target.Canvas(), &element, 4, 5);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 4 && x < 7 && y >= 5 && y < 7;
            EXPECT_EQ(target.Canvas()->Pixels(x, y), inside ? clRed : clWhite) << x << "," << y;
        }

    TBitmap untouched;
    untouched.SetSize(4, 4);
    untouched.Canvas()->Brush()->SetColor(clWhite);
    untouched.Canvas()->FillRect(TRect{0, 0, 4, 4});
    TeeDrawBitmapEditor(untouched.Canvas(), &untouched, 0, 0);
    TeeDrawBitmapEditor(untouched.Canvas(), nullptr, 0, 0);
    EXPECT_EQ(untouched.Canvas()->Pixels(0, 0), clWhite);
}

} // namespace
