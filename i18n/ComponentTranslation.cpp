#include "i18n/ComponentTranslation.h"

#include "i18n/GettextExceptions.h"
#include "platform/classes/Collection.h"
#include "platform/classes/List.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/win/MessageBox.h"

#include <memory>
#include <unordered_set>

ORVO_IMPLEMENT_CLASS(TClassMode, TObject)
ORVO_IMPLEMENT_CLASS(TExecutable, TObject)
ORVO_IMPLEMENT_CLASS(TTP_RetranslatorItem, TObject)
ORVO_IMPLEMENT_CLASS(TTP_Retranslator, TExecutable)
ORVO_IMPLEMENT_CLASS(TGettextComponentMarker, TComponent)

namespace {

const QString kMarkerName = QStringLiteral("GettextMarker");

struct FreeDeleter {
    void operator()(TObject* o) const { FreeObject(o); }
};

// Inserts a rule before the first rule for one of its ancestors, so that the first rule
// that matches an object is always the most specific one.
void insertRule(TObjectList* list, TClassMode* mode) {
    for (int i = 0; i < list->Count(); ++i) {
        if (mode->HClass->InheritsFrom(static_cast<TClassMode*>(list->Items(i))->HClass)) {
            list->Insert(i, mode);
            return;
        }
    }
    list->Add(mode);
}

TClassMode* ruleOfClass(TObjectList* list, TClass cls) {
    for (int i = 0; i < list->Count(); ++i) {
        auto* mode = static_cast<TClassMode*>(list->Items(i));
        if (mode->HClass == cls) return mode;
    }
    return nullptr;
}

void addWholeClassRule(TObjectList* list, TClass cls, const TTranslator& handler) {
    auto* mode = new TClassMode();
    mode->HClass = cls;
    mode->SpecialHandler = handler;
    insertRule(list, mode);
}

void addPropertyRule(TObjectList* list, TClass cls, const String& property, bool skipDuplicate) {
    if (TClassMode* mode = ruleOfClass(list, cls)) {
        if (mode->SpecialHandler.Assigned())
            throw EGGProgrammingError(
                QStringLiteral("You cannot ignore a class property for a class that has a handler set."));
        if (!skipDuplicate || mode->PropertiesToIgnore->IndexOf(property) < 0)
            mode->PropertiesToIgnore->Add(property);
        return;
    }
    auto* mode = new TClassMode();
    mode->HClass = cls;
    mode->PropertiesToIgnore->Add(property);
    insertRule(list, mode);
}

// Searches a rule list for obj: property rules add to excluded, and the first whole-class
// rule is returned.
TClassMode* findRule(TObjectList* list, TObject* obj, TStringList* excluded) {
    for (int i = 0; i < list->Count(); ++i) {
        auto* mode = static_cast<TClassMode*>(list->Items(i));
        if (!obj->InheritsFrom(mode->HClass)) continue;
        if (mode->PropertiesToIgnore->Count() == 0) return mode;
        excluded->AddStrings(mode->PropertiesToIgnore);
    }
    return nullptr;
}

bool copiesLines(TStrings* sl) {
    const TClass cls = sl->ClassType();
    return cls == TStrings::StaticClass() || cls == TStringList::StaticClass() ||
           sl->ClassNameIs(QStringLiteral("TMemoStrings")) ||
           sl->ClassNameIs(QStringLiteral("TComboBoxStrings")) ||
           sl->ClassNameIs(QStringLiteral("TListBoxStrings"));
}

} // namespace

// ---- rule and retranslation objects --------------------------------------------------------

TClassMode::TClassMode() {
    PropertiesToIgnore = new TStringList();
    PropertiesToIgnore->SetSorted(true);
    PropertiesToIgnore->SetDuplicates(dupError);
}

TClassMode::~TClassMode() {
    delete PropertiesToIgnore;
}

TTP_Retranslator::TTP_Retranslator() = default;

TTP_Retranslator::~TTP_Retranslator() {
    for (TTP_RetranslatorItem* item : List)
        delete item;
}

void TTP_Retranslator::Remember(TObject* obj, const String& PropName, const String& OldValue) {
    auto* item = new TTP_RetranslatorItem();
    item->obj = obj;
    item->Propname = PropName;
    item->OldValue = OldValue;
    List.push_back(item);
}

void TTP_Retranslator::Execute() {
    for (TTP_RetranslatorItem* item : List) {
        if (auto* lines = dynamic_cast<TStrings*>(item->obj)) {
            TStringList sl;
            sl.SetText(item->OldValue);
            Instance->TranslateLines(&sl, TextDomain);
            lines->BeginUpdate();
            try {
                lines->Assign(&sl);
            } catch (...) {
                lines->EndUpdate();
                throw;
            }
            lines->EndUpdate();
        } else if (PPropInfo p = GetPropInfo(item->obj, item->Propname)) {
            SetStrProp(item->obj, p, Instance->dgettext(TextDomain, item->OldValue));
        }
    }
}

TGettextComponentMarker::TGettextComponentMarker(TComponent* AOwner) : TComponent(AOwner) {}

TGettextComponentMarker::~TGettextComponentMarker() {
    delete Retranslator;
}

// ---- the instance's component translation --------------------------------------------------

TExecutable* TGettextInstance::NewRetranslator() {
    auto* r = new TTP_Retranslator();
    r->Instance = this;
    TP_Retranslator = r;
    return r;
}

void TGettextInstance::TranslateComponent(TComponent* AnObject, const String& TextDomain) {
    TComponent* found = AnObject->FindComponent(kMarkerName);
    auto* marker = found ? As<TGettextComponentMarker>(found) : nullptr;
    if (!marker) {
        std::unique_ptr<TGettextComponentMarker, FreeDeleter> made(new TGettextComponentMarker(nullptr));
        made->AfterConstruction();
        made->SetName(kMarkerName);
        made->Retranslator = NewRetranslator();
        // The marker joins the component only after the walk, so it is never walked itself;
        // a failed walk frees it with everything it remembered.
        TranslateProperties(AnObject, TextDomain);
        AnObject->InsertComponent(made.get());
        marker = made.release();
    } else if (marker->LastLanguage != GetCurrentLanguage()) {
        MessageBox(
            nullptr,
            QStringLiteral("This application tried to switch the language, but in an incorrect way. The "
                           "programmer needs to replace a call to TranslateComponent with a call to "
                           "RetranslateComponent(). The programmer should see the changelog of gettext for "
                           "more information."),
            QStringLiteral("Error"), MB_OK);
    }
    marker->LastLanguage = GetCurrentLanguage();
}

void TGettextInstance::RetranslateComponent(TComponent* AnObject, const String& TextDomain) {
    (void)TextDomain;
    TComponent* found = AnObject->FindComponent(kMarkerName);
    if (!found)
        throw EGGProgrammingError(QStringLiteral(
            "Retranslate was called on an object that has not been translated before. Please use "
            "TranslateComponent() before RetranslateComponent()."));
    auto* marker = As<TGettextComponentMarker>(found);
    if (marker->LastLanguage != GetCurrentLanguage() && marker->Retranslator) marker->Retranslator->Execute();
    marker->LastLanguage = GetCurrentLanguage();
}

void TGettextInstance::TranslateProperties(TObject* AnObject, String TextDomain) {
    // The per-run rules and the retranslator end with this run, however it ends.
    struct RunEnd {
        TGettextInstance* self;
        ~RunEnd() {
            self->TP_ClassHandling->Clear();
            self->TP_IgnoreList->Clear();
            self->TP_Retranslator = nullptr;
        }
    } runEnd{this};

    if (TextDomain.isEmpty()) TextDomain = getcurrenttextdomain();
    auto* retranslator = dynamic_cast<TTP_Retranslator*>(TP_Retranslator);
    if (retranslator) retranslator->TextDomain = TextDomain;

    TStringList pending;
    std::unordered_set<const TObject*> visited;
    TStringList excluded;
    excluded.SetSorted(true);
    excluded.SetDuplicates(dupIgnore);
    pending.AddObject(String(), AnObject);

    while (pending.Count() > 0) {
        const String name = pending.Strings(0);
        TObject* obj = pending.Objects(0);
        pending.Delete(0);
        if (!obj || !Is<TPersistent>(obj)) continue;
        if (!visited.insert(obj).second) continue;

        excluded.Clear();
        TClassMode* rule = findRule(TP_ClassHandling, obj, &excluded);
        if (!rule) rule = findRule(TP_GlobalClassHandling, obj, &excluded);
        if (rule) {
            excluded.Clear();
            if (rule->SpecialHandler.Assigned()) rule->SpecialHandler(obj);
            continue;
        }

        for (PPropInfo p : GetPropList(obj)) {
            if (TP_IgnoreList->IndexOf(name + QLatin1Char('.') + p->Name) >= 0) continue;
            if (excluded.IndexOf(p->Name) >= 0) continue;
            TranslateOneProperty(obj, p, &pending, TextDomain);
        }

        if (auto* lines = dynamic_cast<TStrings*>(obj)) {
            if (lines->Count() > 0 && retranslator)
                retranslator->Remember(obj, QStringLiteral("Text"), lines->Text());
            TranslateLines(lines, TextDomain);
        }
        if (auto* collection = dynamic_cast<TCollection*>(obj)) {
            for (int i = 0; i < collection->Count(); ++i)
                pending.AddObject(String(), collection->Items(i));
        }
        if (auto* component = dynamic_cast<TComponent*>(obj)) {
            for (int i = 0; i < component->ComponentCount(); ++i) {
                TComponent* owned = component->Components(i);
                if (TP_IgnoreList->IndexOf(owned->Name()) < 0) pending.AddObject(owned->Name(), owned);
            }
        }
    }
}

void TGettextInstance::TranslateOneProperty(TObject* AnObject, const TPropInfo* PropInfo, TStrings* TodoList,
                                            const String& TextDomain) {
    try {
        String value;
        switch (PropInfo->PropType->Kind) {
        case tkString:
        case tkLString:
        case tkWString:
        case tkUString:
            value = GetStrProp(AnObject, PropInfo);
            break;
        case tkClass:
            // Optional sub-objects made on first read are left alone while they do not exist.
            if (IsPropPresent(AnObject, PropInfo))
                if (TObject* o = GetObjectProp(AnObject, PropInfo)) TodoList->AddObject(String(), o);
            return;
        default:
            return;
        }
        if (value.isEmpty() || !PropInfo->SetStr) return;
        if (auto* r = dynamic_cast<TTP_Retranslator*>(TP_Retranslator))
            r->Remember(AnObject, PropInfo->Name, value);
        const String translated = dgettext(TextDomain, value);
        if (translated != value)
            if (PPropInfo p = GetPropInfo(AnObject, PropInfo->Name)) SetStrProp(AnObject, p, translated);
    } catch (const std::exception& e) {
        const auto* ex = dynamic_cast<const Exception*>(&e);
        const String reason = ex ? ex->Message : String::fromUtf8(e.what());
        throw EGGComponentError(QStringLiteral("Property cannot be translated.\r\n"
                                               "Add TP_GlobalIgnoreClassProperty(") +
                                AnObject->ClassName() + QStringLiteral(", '") + PropInfo->Name +
                                QStringLiteral("') to your source code or use\r\n"
                                               "TP_Ignore (self, '.") +
                                PropInfo->Name + QStringLiteral("') to prevent this message.\r\nReason: ") +
                                reason);
    }
}

void TGettextInstance::TranslateLines(TStrings* sl, const String& TextDomain) {
    if (sl->Count() == 0) return;
    sl->BeginUpdate();
    try {
        // Lists of these classes are translated in a copy that replaces them as a whole.
        TStringList copy;
        TStrings* target = sl;
        if (copiesLines(sl)) {
            copy.Assign(sl);
            target = &copy;
        }
        for (int i = 0; i < target->Count(); ++i) {
            const String line = target->Strings(i);
            if (!line.isEmpty()) target->SetStrings(i, dgettext(TextDomain, line));
        }
        if (target != sl) sl->Assign(&copy);
    } catch (...) {
        sl->EndUpdate();
        throw;
    }
    sl->EndUpdate();
}

// ---- rules ---------------------------------------------------------------------------------

void TGettextInstance::TP_Ignore(TObject* AnObject, const String& Name) {
    (void)AnObject;
    TP_IgnoreList->Add(Name);
}

void TGettextInstance::TP_IgnoreClass(TClass IgnClass) {
    if (ruleOfClass(TP_ClassHandling, IgnClass))
        throw EGGProgrammingError(
            QStringLiteral("You cannot add a class to the ignore List that is already on that List: ") +
            IgnClass->ClassName() + QStringLiteral("."));
    addWholeClassRule(TP_ClassHandling, IgnClass, TTranslator());
}

void TGettextInstance::TP_IgnoreClassProperty(TClass IgnClass, const String& PropertyName) {
    addPropertyRule(TP_ClassHandling, IgnClass, PropertyName, false);
}

void TGettextInstance::TP_GlobalIgnoreClass(TClass IgnClass) {
    if (ruleOfClass(TP_GlobalClassHandling, IgnClass))
        throw EGGProgrammingError(
            QStringLiteral("You cannot add a class to the ignore List that is already on that List: ") +
            IgnClass->ClassName() +
            QStringLiteral(". You should keep all TP_Global functions in one place in your source code."));
    addWholeClassRule(TP_GlobalClassHandling, IgnClass, TTranslator());
}

void TGettextInstance::TP_GlobalIgnoreClassProperty(TClass IgnClass, const String& PropertyName) {
    addPropertyRule(TP_GlobalClassHandling, IgnClass, PropertyName, true);
}

void TGettextInstance::TP_GlobalHandleClass(TClass HClass, TTranslator Handler) {
    if (ruleOfClass(TP_GlobalClassHandling, HClass))
        throw EGGProgrammingError(
            QStringLiteral("You cannot set a handler for a class that has already been assigned otherwise."));
    addWholeClassRule(TP_GlobalClassHandling, HClass, Handler);
}
