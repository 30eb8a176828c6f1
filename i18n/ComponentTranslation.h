// Component translation: the rules that keep classes and properties out of the walk, the
// retranslator that remembers texts as designed, and the marker that records that a
// component was translated and in which language. The walk itself is a part of
// TGettextInstance (TranslateComponent, TranslateProperties).
#pragma once

#include "i18n/GettextInstance.h"
#include "platform/classes/Component.h"

class TStringList;

// One class rule. Without properties it is a whole-class rule: objects of the class (or a
// descendant) are not walked, and the handler, when assigned, is called instead.
class TClassMode : public TObject {
    ORVO_CLASS(TClassMode, TObject)
public:
    TClassMode();
    ~TClassMode() override;

    TClass HClass = nullptr;
    TTranslator SpecialHandler;
    TStringList* PropertiesToIgnore; // sorted, not case-sensitive, duplicates rejected
};

class TExecutable : public TObject {
    ORVO_CLASS(TExecutable, TObject)
public:
    virtual void Execute() = 0;
};

class TTP_RetranslatorItem : public TObject {
    ORVO_CLASS(TTP_RetranslatorItem, TObject)
public:
    TObject* obj = nullptr; // not owned
    String Propname;
    String OldValue;
};

// Re-applies the remembered texts in the current language.
class TTP_Retranslator : public TExecutable {
    ORVO_CLASS(TTP_Retranslator, TExecutable)
public:
    TTP_Retranslator();
    ~TTP_Retranslator() override;

    void Remember(TObject* obj, const String& PropName, const String& OldValue);
    void Execute() override;
    int Count() const { return int(List.size()); }

    String TextDomain;
    TGettextInstance* Instance = nullptr;

private:
    std::vector<TTP_RetranslatorItem*> List;
};

// Owned by a translated component, under the name "GettextMarker".
class TGettextComponentMarker : public TComponent {
    ORVO_CLASS(TGettextComponentMarker, TComponent)
public:
    explicit TGettextComponentMarker(TComponent* AOwner);
    ~TGettextComponentMarker() override;

    String LastLanguage;
    TExecutable* Retranslator = nullptr; // owned
};
