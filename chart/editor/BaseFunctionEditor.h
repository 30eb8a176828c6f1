// The options forms of series functions, shown in the function editor's "Options" tab:
// TBaseFunctionEditor (the function from the Tag, its changes applied by the close query
// that "&Apply" runs), TTeeFunctionEditor (how the source points are grouped: all of them,
// every number of points or every range, and where each result sits), TAverageFuncEditor
// (plus whether null points count) and TCustomFunctionEditor (start, step and number of
// points of y = f(x)).
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TCheckBox;
class TComboFlat;
class TEdit;
class TLabel;
class TTeeFunction;

class TBaseFunctionEditor : public TForm {
    ORVO_CLASS(TBaseFunctionEditor, TForm)
public:
    explicit TBaseFunctionEditor(TComponent* AOwner);

    // Handlers named in the form resource.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);

    // On until the first show takes the function from the Tag.
    bool CreatingForm = true;
    // The edited function; null while the owner's chosen function is not yet the series'
    // (the close query then makes one).
    TTeeFunction* IFunction = nullptr;

protected:
    // Stores the controls into IFunction; nothing in the base.
    virtual void ApplyFormChanges() {}
    // Fills the controls from IFunction; nothing in the base.
    virtual void SetFunction() {}
    // Every change of a control: the owning editor's "&Apply" is enabled.
    void Changed();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // On the first call: the function from the Tag, the controls filled from it; true
    // when there was one.
    bool TakeFunction();
};

class TTeeFunctionEditor : public TBaseFunctionEditor {
    ORVO_CLASS(TTeeFunctionEditor, TBaseFunctionEditor)
public:
    explicit TTeeFunctionEditor(TComponent* AOwner);

    // Handlers named in the form resource.
    void CBStyleChange(TObject* Sender);
    void ENumChange(TObject* Sender);
    void BChangeClick(TObject* Sender);
    void CBAlignChange(TObject* Sender);

    // From the form resource.
    TLabel* LStyle = nullptr;
    TComboFlat* CBStyle = nullptr;
    TLabel* LNum = nullptr;
    TEdit* ENum = nullptr;
    TButton* BChange = nullptr;
    TLabel* LAlign = nullptr;
    TComboFlat* CBAlign = nullptr;

protected:
    void ApplyFormChanges() override;
    void SetFunction() override;

private:
    void StyleChanged();
};

class TAverageFuncEditor : public TTeeFunctionEditor {
    ORVO_CLASS(TAverageFuncEditor, TTeeFunctionEditor)
public:
    explicit TAverageFuncEditor(TComponent* AOwner);

    void CBNullsClick(TObject* Sender);

    TCheckBox* CBNulls = nullptr;

protected:
    void ApplyFormChanges() override;
    void SetFunction() override;
};

class TCustomFunctionEditor : public TBaseFunctionEditor {
    ORVO_CLASS(TCustomFunctionEditor, TBaseFunctionEditor)
public:
    explicit TCustomFunctionEditor(TComponent* AOwner);

    void EditChange(TObject* Sender);

    TLabel* LStart = nullptr;
    TEdit* EStart = nullptr;
    TLabel* LStep = nullptr;
    TEdit* EStep = nullptr;
    TLabel* LNum = nullptr;
    TEdit* ENum = nullptr;

protected:
    // A text that is not a number raises the conversion error.
    void ApplyFormChanges() override;
    void SetFunction() override;
};
