#include "chart/editor/AxisMaxMin.h"

#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Button.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/Format.h"

ORVO_IMPLEMENT_CLASS(TAxisMaxMin, TForm)

ORVO_PUBLISHED(TAxisMaxMin) {
    using S = TAxisMaxMin;
    P.Field("Label1", &S::Label1);
    P.Field("Label2", &S::Label2);
    P.Field("EMaximum", &S::EMaximum);
    P.Field("EMinimum", &S::EMinimum);
    P.Field("BOk", &S::BOk);
    P.Field("BCancel", &S::BCancel);
    P.Method("FormShow", &S::FormShow);
    P.Method("BOkClick", &S::BOkClick);
}

TAxisMaxMin::TAxisMaxMin(TComponent* AOwner) : TForm(AOwner) {}

void TeeShowIncorrect(const String& Reason) {
    ShowMessage(Format(TeeMsg_IncorrectMaxMinValue, {Reason}));
}

void TAxisMaxMin::FormShow(TObject*) {
    if (IsDateTime) {
        EMaximum->SetText(MaxMin >= 1 ? DateToStr(MaxMin) : String());
        EMinimum->SetText(TimeToStr(MaxMin));
    } else {
        EMaximum->SetHint(String());
        EMinimum->SetHint(String());
        Label1->SetCaption(QStringLiteral("Value:"));
        EMaximum->SetText(FloatToStr(MaxMin));
        Label2->SetVisible(false);
        EMinimum->SetVisible(false);
    }
}

void TAxisMaxMin::BOkClick(TObject*) {
    try {
        if (IsDateTime) {
            const String date = EMaximum->Text();
            if (!date.isEmpty())
                MaxMin = StrToDateTime(date + QLatin1Char(' ') + EMinimum->Text());
            else
                MaxMin = StrToTime(EMinimum->Text());
        } else {
            MaxMin = double(StrToFloat(EMaximum->Text()));
        }
    } catch (const Exception& e) {
        TeeShowIncorrect(e.Message);
        return;
    }
    SetModalResult(mrOk);
}
