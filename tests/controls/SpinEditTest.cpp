// The spin edit: formats, value types, limits and their coupling, typing, OnChange only on
// a numeric change, and held spin buttons repeating on the virtual clock.
#include "XcTestSupport.h"

#include "controls/XcSpin.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Clock.h"

#include <QStringList>

namespace {
// English separators for the test's duration.
struct EnglishNumbers {
    TFormatSettings saved = FormatSettings;
    EnglishNumbers() {
        FormatSettings.DecimalSeparator = u'.';
        FormatSettings.ThousandSeparator = u',';
    }
    ~EnglishNumbers() { FormatSettings = saved; }
};

struct SpinEdit : ShownForm<300, 100> {
    EnglishNumbers numbers;
    TXcSpinEdit* edit = nullptr;
    int changes = 0;
    void Changed(TObject*) { ++changes; }
    void SetUp() override {
        ShownForm::SetUp();
        edit = make<TXcSpinEdit>(10, 10, 120, 24);
        edit->OnChange = TNotifyEvent(this, &SpinEdit::Changed);
    }
    void type(const QString& s) {
        for (QChar c : s)
            CharOn(edit, c);
    }
};
} // namespace

TEST_F(SpinEdit, FormatsByValueType) {
    struct Case {
        TSpinValueType type;
        int decimal;
        bool thousands;
        Extended value;
        const char* text;
    } cases[] = {
        {vtFloat, 2, false, 0.5, "0.50"},      {vtFloat, 2, true, 1234.5, "1,234.50"},
        {vtFloat, 1, false, -3.26, "-3.3"},    {vtInteger, 2, false, 41.7, "42"},
        {vtInteger, 2, true, 12345, "12,345"}, {vtHex, 2, false, 255, "FF"},
    };
    for (const Case& c : cases) {
        edit->SetThousands(false);
        edit->SetValueType(c.type);
        edit->SetDecimal(Byte(c.decimal));
        edit->SetThousands(c.thousands);
        edit->SetValue(c.value);
        EXPECT_EQ(edit->Text(), QString::fromLatin1(c.text)) << c.text;
    }
    // Reading back: the text without thousands separators; bad text gives MinValue.
    edit->SetValueType(vtFloat);
    edit->SetThousands(true);
    edit->SetText(QStringLiteral("1,234.50"));
    EXPECT_EQ(edit->Value(), Extended(1234.5));
    edit->SetCheckOptions({});
    edit->SetText(QStringLiteral("abc"));
    EXPECT_EQ(edit->Value(), Extended(0));
    // Switching to hex rounds the increment and drops the thousands separators.
    edit->SetIncrement(0.5);
    edit->SetValueType(vtHex);
    EXPECT_EQ(edit->Increment(), Extended(1));
    EXPECT_FALSE(edit->Thousands());
}

TEST_F(SpinEdit, LimitsAndTheirCoupling) {
    edit->SetMinValue(0);
    edit->SetValue(-50);
    EXPECT_EQ(edit->Value(), Extended(-50)) << "no limit flag: no clamping";
    edit->SetMaxValue(10);
    EXPECT_TRUE(edit->CheckMaxValue());
    edit->SetCheckMaxValue(false);
    EXPECT_TRUE(edit->CheckMaxValue()) << "cannot be switched off while MaxValue is not 0";
    edit->SetValue(70);
    EXPECT_EQ(edit->Value(), Extended(10));
    // Crossed limits: the maximum test runs last.
    edit->SetMinValue(5);
    edit->SetMaxValue(2);
    EXPECT_EQ(edit->ClampToLimits(1), Extended(5));
    EXPECT_EQ(edit->ClampToLimits(7), Extended(2));
    // Leaving with a value beyond the limits raises when cropping is off.
    edit->SetMinValue(0);
    edit->SetMaxValue(10);
    EXPECT_THROW(edit->ValidateLimits(20, true), ERangeError);
    try {
        edit->ValidateLimits(20, true);
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Value must be between 0 and 10"));
    }
    EXPECT_EQ(edit->ValidateLimits(20, false), Extended(10));
}

// Each limit applies under its own flag only. A limit left at 0 lets its flag be switched
// off, so every combination of flags can be set through the setters.
TEST_F(SpinEdit, EachLimitAppliesUnderItsOwnFlag) {
    struct Case {
        const char* name;
        Extended minValue, maxValue;
        bool checkMin, checkMax;
        Extended in, out;
    } cases[] = {
        {"none", 0, 0, false, false, -7, -7},
        {"none", 0, 0, false, false, 7, 7},
        {"min alone, below", 5, 0, true, false, 1, 5},
        {"min alone, above the unchecked max", 5, 0, true, false, 7, 7},
        {"max alone, above", 0, 10, false, true, 15, 10},
        {"max alone, below the unchecked min", 0, 10, false, true, -3, -3},
        {"both, below", 2, 10, true, true, 1, 2},
        {"both, above", 2, 10, true, true, 11, 10},
        {"both, inside", 2, 10, true, true, 6, 6},
        {"both crossed, below", 5, 2, true, true, 1, 5},
        {"both crossed, above", 5, 2, true, true, 7, 2},
    };
    edit->SetValueType(vtFloat);
    edit->SetCheckOptions({coCheckOnChange, coCheckOnExit, coCropBeyondLimit});
    for (const Case& c : cases) {
        edit->SetMinValue(0);
        edit->SetMaxValue(0);
        edit->SetMinValue(c.minValue);
        edit->SetMaxValue(c.maxValue);
        edit->SetCheckMinValue(c.checkMin);
        edit->SetCheckMaxValue(c.checkMax);
        ASSERT_EQ(edit->CheckMinValue(), c.checkMin) << c.name;
        ASSERT_EQ(edit->CheckMaxValue(), c.checkMax) << c.name;
        EXPECT_EQ(edit->ClampToLimits(c.in), c.out) << c.name;
        EXPECT_EQ(edit->ValidateLimits(c.in, false), c.out) << c.name;
        // Through the value as a user sets it, too.
        edit->SetValue(c.in);
        EXPECT_EQ(edit->Value(), c.out) << c.name;
    }
}

TEST_F(SpinEdit, TypingIsFilteredAndOnChangeFiresOnlyOnNumericChanges) {
    edit->SetValueType(vtFloat);
    edit->SetDecimal(2);
    edit->SetFocus();
    changes = 0;
    edit->SetText(QString());
    // A typed minus sign survives the reformatting of a zero.
    type(QStringLiteral("-"));
    EXPECT_TRUE(edit->Text().startsWith(u'-'));
    edit->SelectAll();
    type(QStringLiteral("1x2"));
    EXPECT_EQ(edit->Value(), Extended(12));
    // A second decimal separator only moves the caret behind the first.
    edit->SetText(QStringLiteral("1.50"));
    edit->SetSelStart(0);
    const QString before = edit->Text();
    type(QStringLiteral("."));
    EXPECT_EQ(edit->Text(), before);
    EXPECT_EQ(edit->SelStart(), 2);
    // Stepping at a limit leaves the text and fires nothing.
    edit->SetMaxValue(1.5);
    changes = 0;
    edit->StepUp();
    EXPECT_EQ(changes, 0);
    edit->StepDown();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->Value(), Extended(0.5));
    // Up and Down keys step.
    KeyDownOn(edit, VK_UP);
    EXPECT_EQ(edit->Value(), Extended(1.5));
}

TEST_F(SpinEdit, HeldSpinHalfRepeatsAfter400ThenEvery100) {
    TFakeClock clock(1000);
    TClockOverride use(&clock);
    TXcSpinButton* b = edit->Button();
    ASSERT_NE(b, nullptr);
    auto advance = [&](int ms) {
        clock.Advance(UInt64(ms));
        CheckTimers();
    };
    const int w = b->Width(), h = b->Height();
    MouseDownAt(b, 1, 1); // the top half of the diagonal split
    EXPECT_EQ(edit->Value(), Extended(1));
    advance(399);
    EXPECT_EQ(edit->Value(), Extended(1));
    advance(1);
    EXPECT_EQ(edit->Value(), Extended(2));
    advance(100);
    EXPECT_EQ(edit->Value(), Extended(3));
    // Off the button the steps pause; back on the same half they resume.
    MouseMoveTo(b, w + 20, h + 20);
    advance(300);
    EXPECT_EQ(edit->Value(), Extended(3));
    MouseMoveTo(b, 1, 1);
    advance(100);
    EXPECT_EQ(edit->Value(), Extended(4));
    MouseUpAt(b, 1, 1);
    advance(500);
    EXPECT_EQ(edit->Value(), Extended(4));
}

TEST_F(SpinEdit, ReadFromThePressureFrameForm) {
    ReadFromText(form.get(), "object Form1: TForm\n"
                             "  object ScaleVolt1: TXcSpinEdit\n"
                             "    Left = 8\n"
                             "    Top = 8\n"
                             "    Width = 80\n"
                             "    Height = 24\n"
                             "    Increment = 0.01\n"
                             "    ValueType = vtFloat\n"
                             "    Value = 4.5\n"
                             "  end\n"
                             "end\n");
    auto* e = static_cast<TXcSpinEdit*>(form->FindComponent(QStringLiteral("ScaleVolt1")));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Text(), QStringLiteral("4.50"));
    EXPECT_NEAR(double(e->Increment()), 0.01, 1e-12);
    // A value type the form names wrongly is the stream's conversion error, not a crash.
    ExpectFormRefused("object Form2: TForm\n"
                      "  object S: TXcSpinEdit\n"
                      "    ValueType = vtNothing\n"
                      "  end\n"
                      "end\n");
}

// Spin buttons of one look share one image set; a set goes with its last button and the
// manager with the last spin button.
TEST_F(SpinEdit, SpinButtonsOfOneLookShareOneImageSet) {
    auto paint = [](TXcSpinButton* b) {
        TBitmap image(b->Width(), b->Height());
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
        return image.Canvas()->Pixels(b->Width() / 2, b->Height() / 2);
    };
    TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Instance();
    ASSERT_NE(manager, nullptr) << "the edit's own button made it";
    const int before = manager->Count();
    auto* a = make<TXcSpinButton>(0, 40, 20, 20);
    auto* b = make<TXcSpinButton>(30, 40, 20, 20);
    auto* c = make<TXcSpinButton>(60, 40, 20, 20);
    c->SetButtonStyle(sbsClassic);
    paint(a);
    paint(b);
    paint(c);
    ASSERT_NE(a->Bitmaps(), nullptr);
    EXPECT_EQ(a->Bitmaps(), b->Bitmaps());
    EXPECT_NE(a->Bitmaps(), c->Bitmaps());
    EXPECT_EQ(a->Bitmaps()->ClientCount(), 2);
    EXPECT_EQ(manager->Count(), before + 2);
    // The list is kept in key order.
    for (int i = 1; i < manager->Count(); ++i) {
        TSpinButtonBitmaps* p = manager->Items(i - 1);
        EXPECT_LT(p->CompareWith(manager->Items(i)->Width(), manager->Items(i)->Height(),
                                 manager->Items(i)->CustomGlyphs(), manager->Items(i)->Style()),
                  0);
    }
    // A resized button takes the set of its new size; the old one keeps its other client.
    TSpinButtonBitmaps* shared = a->Bitmaps();
    b->SetBounds(30, 40, 24, 24);
    paint(b);
    EXPECT_NE(b->Bitmaps(), shared);
    EXPECT_EQ(shared->ClientCount(), 1);
    // The pressed top half draws the diagonal's upper line in the face colour.
    const TColor rest = paint(a);
    a->SetDown(sbTopDown);
    EXPECT_NE(paint(a), rest);
    EXPECT_EQ(a->Bitmaps(), shared);
    FreeObject(a);
    FreeObject(b);
    FreeObject(c);
    EXPECT_EQ(manager->Count(), before);
}

TEST(SpinButtonBitmaps, CompareByWidthHeightStyleThenGlyphs) {
    TSpinButtonBitmaps set(20, 20, sbsClassic, false);
    struct Case {
        int w, h;
        bool custom;
        TXcSpinButtonStyle style;
        int sign;
    } cases[] = {
        {20, 20, false, sbsClassic, 0},  {21, 10, true, sbsDefault, -1}, {19, 30, false, sbsClassic, 1},
        {20, 21, false, sbsDefault, -1}, {20, 20, false, sbsDefault, 1}, {20, 20, true, sbsClassic, -1},
    };
    for (const Case& c : cases) {
        const int r = set.CompareWith(c.w, c.h, c.custom, c.style);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.w << 'x' << c.h << ' ' << c.custom << ' ' << c.style;
    }
}

TEST(SpinButtonBitmaps, TheManagerGoesWithTheLastSpinButton) {
    ASSERT_EQ(TSpinButtonBitmapsManager::Instance(), nullptr) << "no spin button left by an earlier test";
    std::unique_ptr<TXcSpinButton, Free> b{new TXcSpinButton(nullptr)};
    ASSERT_NE(TSpinButtonBitmapsManager::Instance(), nullptr);
    TSpinButtonBitmaps* set = TSpinButtonBitmapsManager::Instance()->WantButtons(20, 20, false, sbsDefault);
    EXPECT_EQ(TSpinButtonBitmapsManager::Instance()->WantButtons(20, 20, false, sbsDefault), set);
    set->AddClient();
    set->RemoveClient();
    EXPECT_EQ(TSpinButtonBitmapsManager::Instance()->Count(), 0);
    b.reset();
    EXPECT_EQ(TSpinButtonBitmapsManager::Instance(), nullptr);
}
