// Small streamable classes shared by the type-information, streaming and resource tests:
// a form with controls, a font-like sub-object, a collection, a string list, a switch
// whose state setter fires handlers, and a frame that loads its own resource.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"

#include <QStringList>
#include <memory>

enum TFxAlign { faNone, faTop, faBottom, faClient };
ORVO_DECLARE_ENUM_TYPE(TFxAlign)
enum TFxOption { foOne, foTwo, foThree };
using TFxOptions = Set<TFxOption>;
ORVO_DECLARE_SET_TYPE(TFxOptions)

// What happened, in order, for the tests to compare.
QStringList& FxLog();
// Registers the fixture classes and the colour names clBlack, clRed, clBlue.
void RegisterFixture();

class TFxFont : public TPersistent {
    ORVO_CLASS(TFxFont, TPersistent)
public:
    int Height = -11;
    String Name = QStringLiteral("Tahoma");
    TFxOptions Style;
    int Color = 0;
    bool IsNameStored() const { return Name != QLatin1String("Tahoma"); }
};

class TFxItem : public TCollectionItem {
    ORVO_CLASS(TFxItem, TCollectionItem)
public:
    explicit TFxItem(TCollection* C) : TCollectionItem(C) {}
    String Caption;
    int Width = 50;
};

class TFxControl : public TComponent {
    ORVO_CLASS(TFxControl, TComponent)
public:
    explicit TFxControl(TComponent* AOwner);
    ~TFxControl() override;

    int Left = 0;
    String Caption;
    String Hidden;
    TFxAlign Align = faNone;
    TFxOptions Options{foOne};
    double Ratio = 0;
    Int64 Big = 0;
    TFxControl* Buddy = nullptr;
    TNotifyEvent OnClick;
    std::vector<Byte> Extra;
    int LegacyValue = 0;

    TFxFont* Font() { return font_.get(); }
    TStrings* Items() { return items_.get(); }
    TCollection* Panels() { return panels_.get(); }
    // Created on first read.
    TFxFont* Lazy() {
        if (!lazy_) lazy_ = std::make_unique<TFxFont>();
        return lazy_.get();
    }
    bool HasLazy() const { return lazy_ != nullptr; }
    TFxControl* ParentControl = nullptr;

    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return ParentControl; }
    void SetParentComponent(TComponent* Value) override { ParentControl = dynamic_cast<TFxControl*>(Value); }

protected:
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TFxFont> font_ = std::make_unique<TFxFont>();
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
    std::unique_ptr<TCollection> panels_ = std::make_unique<TCollection>(TFxItem::StaticClass());
    std::unique_ptr<TFxFont> lazy_;
};

// A switch: setting StateOn fires OnOn or OnOff when assigned.
class TFxSwitch : public TComponent {
    ORVO_CLASS(TFxSwitch, TComponent)
public:
    using TComponent::TComponent;
    bool StateOn() const { return state_; }
    void SetStateOn(bool v);
    TNotifyEvent OnOn, OnOff;

private:
    bool state_ = false;
};

// The root: writes its top-level components (those without parent control), each
// control writing its child controls.
class TFxForm : public TComponent {
    ORVO_CLASS(TFxForm, TComponent)
public:
    explicit TFxForm(TComponent* AOwner) : TComponent(AOwner) {}
    TFxControl* Panel1 = nullptr;
    TFxSwitch* Switch1 = nullptr;
    int Clicks = 0;
    void ButtonClick(TObject*) { ++Clicks; }
    void SwitchOn(TObject*) { FxLog() << QStringLiteral("SwitchOn"); }
    void WrongSignature(TObject*, bool&) {}
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

protected:
    void Loaded() override;
};

class TFxChildForm : public TFxForm {
    ORVO_CLASS(TFxChildForm, TFxForm)
public:
    using TFxForm::TFxForm;
    TFxControl* Extra1 = nullptr;
};

// A frame reads its own resource in its constructor.
class TFxFrame : public TComponent {
    ORVO_CLASS(TFxFrame, TComponent)
public:
    explicit TFxFrame(TComponent* AOwner);
    TFxControl* Label1 = nullptr;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
};

class TFxHost : public TFxForm {
    ORVO_CLASS(TFxHost, TFxForm)
public:
    using TFxForm::TFxForm;
    TFxFrame* Frame1 = nullptr;
};
