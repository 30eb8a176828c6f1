#include "chart/editor/SymbolEditor.h"

#include "PropertyDialogsFixture.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

TEST(SymbolEditor, ShowsTheSymbolFromItsTagAndWritesEveryControl) {
    TLegendSymbol symbol;
    symbol.SetWidth(25);
    symbol.SetWidthUnits(lcsPixels);
    symbol.SetPosition(spRight);
    symbol.SetDefaultPen(true);
    std::unique_ptr<TForm> host(new TForm(nullptr));
    host->AfterConstruction();
    host->SetBounds(0, 0, 400, 300);
    host->Show();
    auto* e = new TSymbolEditor(host.get());
    e->AfterConstruction();
    AddFormTo(e, host.get(), &symbol);
    EXPECT_EQ(e->Symbol, &symbol);
    EXPECT_EQ(e->SEColWi->Text(), QStringLiteral("25"));
    EXPECT_EQ(e->CBColWUnits->ItemIndex(), 1);
    EXPECT_EQ(e->CBSymbolPos->ItemIndex(), 1);
    EXPECT_FALSE(e->BSymPen->Enabled());
    EXPECT_TRUE(e->BSymGradient->OnlyStart);
    EXPECT_EQ(e->BSymGradient->GetGradient(), symbol.Gradient());
    Screenshot(host.get(), "symbol-editor");

    e->SEColWi->SetText(QStringLiteral("40"));
    EXPECT_EQ(symbol.Width(), 40);
    e->CBSymPen->SetChecked(false);
    EXPECT_FALSE(symbol.DefaultPen());
    EXPECT_TRUE(e->BSymPen->Enabled());
    e->CBSquared->SetChecked(true);
    EXPECT_TRUE(symbol.Squared());
    EXPECT_FALSE(e->SEColWi->Enabled());
    e->CBSymbolPos->SetItemIndex(0);
    e->CBSymbolPos->OnChange(e->CBSymbolPos);
    EXPECT_EQ(symbol.Position(), spLeft);
    e->CBContinuous->SetChecked(true);
    EXPECT_TRUE(symbol.Continuous());

    bool shadowShown = false;
    {
        ModalDriver driver([&](TCustomForm* f) {
            auto* s = dynamic_cast<TTeeShadowEditor*>(f);
            shadowShown = s && s->Shadow == symbol.Shadow();
            f->SetModalResult(mrOk);
        });
        e->Button1->Click();
    }
    EXPECT_TRUE(shadowShown);
    host->Hide();
}

TEST(SymbolEditor, ANullSymbolLeavesTheControlsAsTheyAre) {
    std::unique_ptr<TSymbolEditor> e(new TSymbolEditor(nullptr));
    e->AfterConstruction();
    e->UDColWi->SetPosition(15);
    e->RefreshSymbol(nullptr);
    EXPECT_EQ(e->SEColWi->Text(), QStringLiteral("15"));
}

} // namespace
