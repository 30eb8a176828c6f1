// The triggered-input dialog as its form resource builds it.
#include "app/forms/FormSettings.h"

#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"

#include <gtest/gtest.h>

TEST(FormSettings, ResourceBuildsTheDialog) {
    auto* form = new TFormSettings(nullptr);
    form->AfterConstruction();
    EXPECT_EQ(form->Caption(), "Settings");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->ClientWidth(), 386);
    EXPECT_EQ(form->ClientHeight(), 180);
    ASSERT_TRUE(form->chbTriggeredInputActive && form->OKBtn && form->CancelBtn && form->Bevel1);
    EXPECT_EQ(form->chbTriggeredInputActive->Caption(), "Active Trigger Input");
    EXPECT_FALSE(form->chbTriggeredInputActive->Checked());
    EXPECT_EQ(form->OKBtn->ModalResult(), mrOk);
    EXPECT_TRUE(form->OKBtn->Default());
    EXPECT_EQ(form->CancelBtn->ModalResult(), mrCancel);
    EXPECT_TRUE(form->CancelBtn->Cancel());
    EXPECT_EQ(form->Bevel1->Width(), 281);
    EXPECT_EQ(form->Bevel1->Height(), 161);
    // The global names the dialog that start-up made; freeing it clears the name.
    FormSettings = form;
    FreeObject(form);
    EXPECT_EQ(FormSettings, nullptr);
}
