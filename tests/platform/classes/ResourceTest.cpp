#include "StreamingFixture.h"

#include "platform/classes/FormResource.h"
#include "platform/classes/ResourceStream.h"

#include <gtest/gtest.h>

namespace {
class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFixture();
        FxLog().clear();
    }
};
} // namespace

TEST_F(Resources, EmbeddedResourcesAreFoundByTypeAndNameWithoutCase) {
    TResourceStream res(0, "tfxform", "rcdata");
    ASSERT_GT(res.Size(), 20);
    char head[14] = {};
    res.ReadBuffer(head, 13);
    EXPECT_STREQ(head, "object FxForm");
    EXPECT_THROW(res.Write("x", 1), EStreamError);
    EXPECT_EQ(FindResource(0, "TFXFORM", RT_BITMAP), nullptr);
    try {
        TResourceStream missing(0, "NOPE", RT_RCDATA);
        FAIL();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message, "Resource NOPE not found");
    }
}

TEST_F(Resources, AFormLoadsWithFieldsReferencesHandlersAndCollections) {
    TFxForm form(nullptr);
    ASSERT_TRUE(InitInheritedComponent(&form, TComponent::StaticClass()));
    EXPECT_EQ(form.Name(), "FxForm");
    EXPECT_EQ(form.Tag(), 7);
    ASSERT_NE(form.Panel1, nullptr);
    EXPECT_EQ(form.Panel1->Caption, "Main");
    EXPECT_EQ(form.Panel1->Font()->Color, 0xFF);
    EXPECT_EQ(form.Panel1->Font()->Height, -16);
    ASSERT_EQ(form.Panel1->Panels()->Count(), 2);
    EXPECT_EQ(static_cast<TFxItem*>(form.Panel1->Panels()->Items(0))->Width, 200);
    ASSERT_NE(form.Panel1->Buddy, nullptr);
    TFxControl* button = form.Panel1->Buddy;
    EXPECT_EQ(button->ParentControl, form.Panel1);
    button->OnClick(button);
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_TRUE(form.Switch1->StateOn());
    EXPECT_FALSE(FxLog().contains("SwitchOn"));
    EXPECT_EQ(FxLog().first(), "Loaded form FxForm");
}

TEST_F(Resources, AnInheritedFormReadsItsAncestorsResourceFirst) {
    TFxChildForm form(nullptr);
    ASSERT_TRUE(InitInheritedComponent(&form, TComponent::StaticClass()));
    EXPECT_EQ(form.Name(), "FxChildForm");
    ASSERT_NE(form.Panel1, nullptr);
    EXPECT_EQ(form.Panel1->Caption, "Derived");
    EXPECT_EQ(form.Panel1->Font()->Height, -16); // from the ancestor's resource
    ASSERT_NE(form.Extra1, nullptr);
    EXPECT_EQ(form.Extra1->Buddy, form.Panel1);
    EXPECT_TRUE(form.Extra1->OnClick.Assigned());
    EXPECT_EQ(form.ComponentCount(), 4);
}

TEST_F(Resources, AnInlineFrameTakesTheFormsOverrides) {
    TFxHost host(nullptr);
    ASSERT_TRUE(InitInheritedComponent(&host, TFxForm::StaticClass()));
    ASSERT_NE(host.Frame1, nullptr);
    EXPECT_TRUE(host.Frame1->ComponentState().Contains(csInline));
    EXPECT_EQ(host.Frame1->Tag(), 3);
    ASSERT_NE(host.Frame1->Label1, nullptr);
    EXPECT_EQ(host.Frame1->Label1->Left, 4);                  // the frame's own resource
    EXPECT_EQ(host.Frame1->Label1->Caption, "Pressure Type"); // the form's override
    host.Frame1->Label1->OnClick(nullptr);
    EXPECT_EQ(host.Clicks, 1);
    EXPECT_EQ(host.Frame1->Label1->Owner(), host.Frame1);
}

TEST_F(Resources, AClassWithoutResourceReadsNothing) {
    TFxSwitch sw(nullptr);
    EXPECT_FALSE(InitInheritedComponent(&sw, TComponent::StaticClass()));
    EXPECT_THROW(ReadComponentRes("TFXSWITCH", &sw), EResNotFound);
}
