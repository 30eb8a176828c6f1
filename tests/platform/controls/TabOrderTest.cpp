// A windowed child freed while it has a parent leaves the parent's tab order, so showing the
// parent afterwards never touches the freed control.
#include "platform/controls/Button.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

TEST(TabOrder, FreedParentedControlLeavesTheParentsTabOrder) {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    auto* kept = new TPanel(form.get());
    kept->SetParent(form.get());
    auto* inner = new TButton(form.get());
    inner->SetParent(panel);

    FreeObject(panel); // frees its child button too
    std::vector<TWinControl*> order;
    form->GetTabOrderList(order);
    EXPECT_EQ(order, std::vector<TWinControl*>{kept});
    EXPECT_EQ(kept->TabOrder(), 0);
    form->Show(); // walks the tab order
    form->Hide();
}

} // namespace
