// Published properties of the base classes of the class library (components,
// collections, string lists), declared here so that their own units stay free of the
// streaming machinery.
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Reader.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/classes/Writer.h"

namespace {

void publishComponent(TPublisher<TComponent>& P) {
    // The name is written as part of the component record, not as a property.
    P.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    P.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

bool sameStrings(TStrings* a, TStrings* b) {
    if (a->Count() != b->Count()) return false;
    for (int i = 0; i < a->Count(); ++i)
        if (a->Strings(i) != b->Strings(i)) return false;
    return true;
}

// A string list streams its lines as the list "Strings" ("Items.Strings = ( ... )").
void defineStrings(TPersistent* Instance, TFiler* Filer) {
    auto* list = static_cast<TStrings*>(Instance);
    bool hasData = list->Count() > 0;
    if (auto* anc = dynamic_cast<TStrings*>(Filer->Ancestor())) hasData = !sameStrings(list, anc);
    Filer->DefineProperty(QStringLiteral("Strings"), TReaderProc([list](TReader* Reader) {
                              Reader->ReadListBegin();
                              list->BeginUpdate();
                              try {
                                  list->Clear();
                                  while (!Reader->EndOfList())
                                      list->Add(Reader->ReadString());
                                  Reader->ReadListEnd();
                              } catch (...) {
                                  list->EndUpdate();
                                  throw;
                              }
                              list->EndUpdate();
                          }),
                          TWriterProc([list](TWriter* Writer) {
                              Writer->WriteListBegin();
                              for (int i = 0; i < list->Count(); ++i)
                                  Writer->WriteString(list->Strings(i));
                              Writer->WriteListEnd();
                          }),
                          hasData);
}

// The name of the owner's published property that holds a collection.
String collectionPropName(const TCollection* Collection) {
    auto* owner = dynamic_cast<TObject*>(Collection->Owner());
    if (!owner) return {};
    for (PPropInfo p : GetPropList(owner, TTypeKinds{tkClass})) {
        if (!IsPropPresent(owner, p)) continue;
        if (GetObjectProp(owner, p) == Collection) return p->Name;
    }
    return {};
}

} // namespace

void platform::detail::PublishBaseClasses() {
    RegisterPublished(
        TComponent::StaticClass(),
        [](ClassInfo& info) {
            TPublisher<TComponent> p(info);
            publishComponent(p);
        },
        __FILE__);
    RegisterDefineProperties(TStrings::StaticClass(), &defineStrings);
    if (!TCollection::PropNameResolver) TCollection::PropNameResolver = &collectionPropName;
}
