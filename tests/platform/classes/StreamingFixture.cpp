#include "StreamingFixture.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/FormResource.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"

ORVO_IMPLEMENT_ENUM_TYPE(TFxAlign, "faNone", "faTop", "faBottom", "faClient")
ORVO_IMPLEMENT_ENUM_TYPE(TFxOption, "foOne", "foTwo", "foThree")
ORVO_IMPLEMENT_SET_TYPE(TFxOptions, TFxOption)

ORVO_IMPLEMENT_CLASS(TFxFont, TPersistent)
ORVO_IMPLEMENT_CLASS(TFxItem, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TFxControl, TComponent)
ORVO_IMPLEMENT_CLASS(TFxSwitch, TComponent)
ORVO_IMPLEMENT_CLASS(TFxForm, TComponent)
ORVO_IMPLEMENT_CLASS(TFxChildForm, TFxForm)
ORVO_IMPLEMENT_CLASS(TFxFrame, TComponent)
ORVO_IMPLEMENT_CLASS(TFxHost, TFxForm)

QStringList& FxLog() {
    static QStringList log;
    return log;
}

namespace {
const TIdentMapEntry colorNames[] = {{0, "clBlack"}, {0x0000FF, "clRed"}, {0xFF0000, "clBlue"}};

ORVO_PUBLISHED(TFxFont) {
    P.Property("Color", &TFxFont::Color).Type(TypeInfoTColor()).Default(0);
    P.Property("Height", &TFxFont::Height).Default(-11);
    P.Property("Name", &TFxFont::Name).Stored(&TFxFont::IsNameStored);
    P.Property("Style", &TFxFont::Style).Default(TFxOptions{});
}

ORVO_PUBLISHED(TFxItem) {
    P.Property("Caption", &TFxItem::Caption);
    P.Property("Width", &TFxItem::Width).Default(50);
}

ORVO_PUBLISHED(TFxControl) {
    P.Property("Left", &TFxControl::Left).Default(0);
    P.Property("Align", &TFxControl::Align).Default(faNone);
    P.Property("Options", &TFxControl::Options).Default(TFxOptions{foOne});
    P.Property("Caption", &TFxControl::Caption);
    P.Property("Hidden", &TFxControl::Hidden).Stored(false);
    P.Property("Ratio", &TFxControl::Ratio);
    P.Property("Big", &TFxControl::Big);
    P.Property("Font", &TFxControl::Font);
    P.Property("Items", &TFxControl::Items);
    P.Property("Panels", &TFxControl::Panels);
    P.Property("Lazy", &TFxControl::Lazy).Present(&TFxControl::HasLazy);
    P.Property("Buddy", &TFxControl::Buddy);
    P.Property("OnClick", &TFxControl::OnClick);
}

ORVO_PUBLISHED(TFxSwitch) {
    P.Property("StateOn", &TFxSwitch::StateOn, &TFxSwitch::SetStateOn).Default(false);
    P.Property("OnOn", &TFxSwitch::OnOn);
    P.Property("OnOff", &TFxSwitch::OnOff);
}

ORVO_PUBLISHED(TFxForm) {
    P.Field("Panel1", &TFxForm::Panel1);
    P.Field("Switch1", &TFxForm::Switch1);
    P.Method("ButtonClick", &TFxForm::ButtonClick);
    P.Method("SwitchOn", &TFxForm::SwitchOn);
    P.Method("WrongSignature", &TFxForm::WrongSignature);
}

ORVO_PUBLISHED(TFxChildForm) {
    P.Field("Extra1", &TFxChildForm::Extra1);
}

ORVO_PUBLISHED(TFxFrame) {
    P.Field("Label1", &TFxFrame::Label1);
}

ORVO_PUBLISHED(TFxHost) {
    P.Field("Frame1", &TFxHost::Frame1);
}

void topLevel(TComponent* root, const TGetChildProc& proc) {
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* c = root->Components(i);
        if (!c->GetParentComponent()) proc(c);
    }
}
} // namespace

void RegisterFixture() {
    RegisterClasses({TFxControl::StaticClass(), TFxSwitch::StaticClass(), TFxForm::StaticClass(),
                     TFxChildForm::StaticClass(), TFxFrame::StaticClass(), TFxHost::StaticClass(),
                     TFxItem::StaticClass()});
    RegisterIntegerConsts(
        TypeInfoTColor(), [](const String& s, int& v) { return IdentToInt(s, v, colorNames); },
        [](int v, String& s) { return IntToIdent(v, s, colorNames); });
}

TFxControl::TFxControl(TComponent* AOwner) : TComponent(AOwner) {}
TFxControl::~TFxControl() = default;

void TFxControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
    if (!Root) return;
    for (int i = 0; i < Root->ComponentCount(); ++i)
        if (Root->Components(i)->GetParentComponent() == this) Proc(Root->Components(i));
}

void TFxControl::Loaded() {
    TComponent::Loaded();
    FxLog() << QStringLiteral("Loaded %1 buddy=%2").arg(Name(), Buddy ? Buddy->Name() : QStringLiteral("-"));
}

void TFxControl::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("Extra"), TStreamProc([this](TStream* s) {
            Extra.resize(std::size_t(s->Size()));
            if (!Extra.empty()) s->ReadBuffer(Extra.data(), int(Extra.size()));
        }),
        TStreamProc([this](TStream* s) { s->WriteBuffer(Extra.data(), int(Extra.size())); }), !Extra.empty());
    // Read only: older streams stored it.
    Filer->DefineProperty(QStringLiteral("Legacy"),
                          TReaderProc([this](TReader* r) { LegacyValue = r->ReadInteger(); }), TWriterProc(),
                          false);
}

void TFxControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Buddy) Buddy = nullptr;
}

void TFxSwitch::SetStateOn(bool v) {
    state_ = v;
    if (v && OnOn.Assigned()) OnOn(this);
    if (!v && OnOff.Assigned()) OnOff(this);
}

void TFxForm::GetChildren(TGetChildProc Proc, TComponent*) {
    topLevel(this, Proc);
}

void TFxForm::Loaded() {
    TComponent::Loaded();
    FxLog() << QStringLiteral("Loaded form %1").arg(Name());
}

TFxFrame::TFxFrame(TComponent* AOwner) : TComponent(AOwner) {
    InitInheritedComponent(this, TComponent::StaticClass());
}

void TFxFrame::GetChildren(TGetChildProc Proc, TComponent*) {
    topLevel(this, Proc);
}
