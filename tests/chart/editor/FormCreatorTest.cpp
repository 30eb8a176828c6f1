#include "chart/editor/FormCreator.h"

#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

template <class T> T* Find(TWinControl* Parent, int Nth = 0) {
    for (int i = 0; i < Parent->ControlCount(); ++i)
        if (auto* c = dynamic_cast<T*>(Parent->Controls(i)); c && Nth-- == 0) return c;
    return nullptr;
}

struct CreatorFixture : ::testing::Test {
    CreatorFixture() : form(new TForm(nullptr)), filters(nullptr) {
        form->AfterConstruction();
        form->SetBounds(0, 0, 240, 300);
        creator = new TFormCreator(form.get());
        creator->FOnChange = Method(this, &CreatorFixture::Changed);
    }
    void Changed(TObject* Sender) {
        ++changes;
        lastChanged = Sender;
    }
    // Lets the filter build its controls, as the filters dialog does.
    void Build(TTeeFilter* Filter) {
        creator->Instance = Filter;
        creator->IChanging = true;
        Filter->CreateEditor(creator, {});
        creator->IChanging = false;
    }
    std::unique_ptr<TForm> form;
    TFilterItems filters;
    TFormCreator* creator = nullptr;
    int changes = 0;
    TObject* lastChanged = nullptr;
};

TEST_F(CreatorFixture, ControlsStackDownTheParentAndWriteTheirPropertyBack) {
    auto* crop = static_cast<TCropFilter*>(filters.Add(TCropFilter::StaticClass()));
    crop->SetWidth(120);
    Build(crop);
    auto* width = Find<TEdit>(form.get(), 0);
    auto* height = Find<TEdit>(form.get(), 1);
    auto* smooth = Find<TCheckBox>(form.get());
    ASSERT_TRUE(width && height && smooth);
    EXPECT_EQ(width->Text(), QStringLiteral("120"));
    EXPECT_EQ(width->Left(), 44);
    EXPECT_EQ(width->Top(), 8);
    EXPECT_EQ(height->Top(), 8 + width->Height() + 6);
    EXPECT_EQ(width->Width(), form->Width() - 68);
    EXPECT_EQ(Find<TLabel>(form.get())->Caption().left(1), QStringLiteral("&"));
    EXPECT_EQ(smooth->Left(), 4);
    EXPECT_EQ(smooth->Width(), 75);
    EXPECT_EQ(changes, 0);

    width->SetText(QStringLiteral("64"));
    EXPECT_EQ(crop->Width(), 64);
    smooth->SetChecked(true);
    EXPECT_TRUE(crop->Smooth());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(lastChanged, crop);
}

TEST_F(CreatorFixture, HalfTypedNumbersAreNotWrittenAndTheArrowsKeepTheLastGoodValue) {
    auto* resize = static_cast<TResizeFilter*>(filters.Add(TResizeFilter::StaticClass()));
    resize->SetWidth(30);
    Build(resize);
    auto* width = Find<TEdit>(form.get());
    auto* arrows = Find<TUpDown>(form.get());
    ASSERT_TRUE(width && arrows);
    for (const char* typed : {"", "-", " ", "1x"}) {
        EXPECT_NO_THROW(width->SetText(QString::fromUtf8(typed))) << typed;
        EXPECT_EQ(resize->Width(), 30) << typed;
    }
    EXPECT_EQ(arrows->Position(), 30);
    EXPECT_EQ(changes, 0);
    width->SetText(QStringLiteral("45"));
    EXPECT_EQ(resize->Width(), 45);
    EXPECT_EQ(changes, 1);
}

TEST_F(CreatorFixture, ACombListsTheEnumerationAsWordsAndAScrollBarFollowsItsProperty) {
    auto* mirror = static_cast<TMirrorFilter*>(filters.Add(TMirrorFilter::StaticClass()));
    mirror->SetDirection(mdRight);
    Build(mirror);
    auto* combo = Find<TComboFlat>(form.get());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->Items()->Text(), QStringLiteral("Down\r\nUp\r\nRight\r\nLeft\r\n"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Width(), form->Width() - 8);
    combo->SetItemIndex(3);
    combo->OnChange(combo);
    EXPECT_EQ(mirror->Direction(), mdLeft);

    auto* color = static_cast<TColorFilter*>(filters.Add(TColorFilter::StaticClass()));
    color->SetGreen(-40);
    creator->IPosY = 8;
    Build(color);
    auto* green = Find<TScrollBar>(form.get(), 1);
    ASSERT_TRUE(green);
    EXPECT_EQ(green->Position(), -40);
    green->SetPosition(100);
    EXPECT_EQ(color->Green(), 100);
}

TEST(FormCreatorWords, EnumerationNamesBecomeWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"gdTopBottom", "Top Bottom"},
        {"mdDown", "Down"},
        {"pbmCustom", "Custom"},
        {"lower", "lower"},
        {"ssABC", "A BC"},
        {"xY", "Y"},
    };
    for (const auto& [name, words] : cases)
        EXPECT_EQ(TFormCreator::EnumToWords(QString::fromUtf8(name)), QString::fromUtf8(words)) << name;
}

} // namespace
