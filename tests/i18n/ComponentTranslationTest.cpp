#include "i18n/ComponentTranslation.h"
#include "MoFixture.h"
#include "i18n/GettextExceptions.h"
#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/win/MessageBox.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// ---- a small form-like tree -------------------------------------------------------------------

class TMemoStrings : public TStringList {
    ORVO_CLASS(TMemoStrings, TStringList)
public:
    int Puts = 0;

protected:
    void Put(int Index, const String& S) override {
        ++Puts;
        TStringList::Put(Index, S);
    }
};
ORVO_IMPLEMENT_CLASS(TMemoStrings, TStringList)

class TOtherLines : public TMemoStrings {
    ORVO_CLASS(TOtherLines, TMemoStrings)
};
ORVO_IMPLEMENT_CLASS(TOtherLines, TMemoStrings)

class TTestItem : public TCollectionItem {
    ORVO_CLASS(TTestItem, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    String Title;
};
ORVO_IMPLEMENT_CLASS(TTestItem, TCollectionItem)
ORVO_PUBLISHED(TTestItem) {
    P.Property("Title", &TTestItem::Title);
}

// An option block created on first read, as chart gradients and shadows are.
class TTestOption : public TPersistent {
    ORVO_CLASS(TTestOption, TPersistent)
public:
    String Text = QStringLiteral("Hello");
};
ORVO_IMPLEMENT_CLASS(TTestOption, TPersistent)
ORVO_PUBLISHED(TTestOption) {
    P.Property("Text", &TTestOption::Text);
}

class TTestControl : public TComponent {
    ORVO_CLASS(TTestControl, TComponent)
public:
    explicit TTestControl(TComponent* AOwner) : TComponent(AOwner), Items(TTestItem::StaticClass()) {}
    ~TTestControl() override { delete FOption; }
    String Caption, Hint;
    String Fixed = QStringLiteral("Hello");
    TMemoStrings Lines;
    TOtherLines Other;
    TCollection Items;
    TPersistent* Link = nullptr;
    bool FailOnSet = false;

    TTestOption* Option() {
        if (!FOption) FOption = new TTestOption();
        return FOption;
    }
    bool HasOption() const { return FOption != nullptr; }
    void SetCaption(const String& v) {
        if (FailOnSet) throw EConvertError(QStringLiteral("cannot set"));
        Caption = v;
    }

private:
    TTestOption* FOption = nullptr;
};
ORVO_IMPLEMENT_CLASS(TTestControl, TComponent)
ORVO_PUBLISHED(TTestControl) {
    P.Property("Name", &TComponent::Name, &TComponent::SetName);
    P.Property(
        "Caption", [](TTestControl* c) { return c->Caption; }, &TTestControl::SetCaption);
    P.Property("Hint", &TTestControl::Hint);
    P.Property("Fixed", [](TTestControl* c) { return c->Fixed; });
    P.Property("Lines", [](TTestControl* c) { return static_cast<TStringList*>(&c->Lines); });
    P.Property("Other", [](TTestControl* c) { return static_cast<TStringList*>(&c->Other); });
    P.Property("Items", [](TTestControl* c) { return &c->Items; });
    P.Property("Link", &TTestControl::Link);
    P.Property("Option", &TTestControl::Option).Present(&TTestControl::HasOption);
}

class TTestButton : public TTestControl {
    ORVO_CLASS(TTestButton, TTestControl)
public:
    using TTestControl::TTestControl;
};
ORVO_IMPLEMENT_CLASS(TTestButton, TTestControl)

namespace {

// A form with a panel that owns a button, in German and French.
class ComponentTranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fixture::Messages de{{"Main window", "Hauptfenster"},
                                   {"Send", "Senden"},
                                   {"Sends the map", "Sendet"},
                                   {"Curve", "Kurve"},
                                   {"Hello", "Hallo"},
                                   {"Hallo", "Hallo zweimal"},
                                   {"Voltage", "Spannung"},
                                   {"Panel", "Tafel"},
                                   {"Form1", "Formular"}};
        const fixture::Messages fr{{"Main window", "Fenetre"},
                                   {"Send", "Envoyer"},
                                   {"Curve", "Courbe"},
                                   {"Voltage", "Tension"},
                                   {"Hello", "Bonjour"}};
        fixture::PutCatalogue(dir.path(), QStringLiteral("de"), fixture::BuildMo(de));
        fixture::PutCatalogue(dir.path(), QStringLiteral("fr"), fixture::BuildMo(fr));
        t.bindtextdomain(QStringLiteral("default"), dir.path());
        t.UseLanguage(QStringLiteral("de"));

        form = new TTestControl(nullptr);
        form->SetName(QStringLiteral("Form1"));
        form->Caption = QStringLiteral("Main window");
        form->Lines.Add(QStringLiteral("Curve"));
        form->Lines.Add(String());
        form->Lines.Add(QStringLiteral("Voltage"));
        form->Other.Add(QStringLiteral("Send"));
        static_cast<TTestItem*>(form->Items.Add())->Title = QStringLiteral("Curve");
        panel = new TTestControl(form);
        panel->SetName(QStringLiteral("Panel"));
        panel->Caption = QStringLiteral("Panel");
        button = new TTestButton(panel);
        button->SetName(QStringLiteral("Send"));
        button->Caption = QStringLiteral("Send");
        button->Hint = QStringLiteral("Sends the map");
        previousHook = SetMessageBoxHook([this](void*, const String& text, const String& caption, unsigned) {
            boxes.push_back(caption + QStringLiteral(": ") + text);
            return IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxHook(previousHook);
        delete form;
    }

    QTemporaryDir dir;
    TGettextInstance t;
    TTestControl* form = nullptr;
    TTestControl* panel = nullptr;
    TTestButton* button = nullptr;
    std::vector<String> boxes;
    TMessageBoxHook previousHook;
};

TEST_F(ComponentTranslationTest, TranslatesTheWholeTreeOnce) {
    form->Hint = QStringLiteral("Hello");
    form->Link = button; // reachable twice: through the property and as an owned component
    t.TranslateComponent(form);
    EXPECT_EQ(form->Caption, QStringLiteral("Hauptfenster"));
    EXPECT_EQ(form->Hint, QStringLiteral("Hallo")); // not "Hallo zweimal"
    EXPECT_EQ(form->Lines.Text(), QStringLiteral("Kurve\r\n\r\nSpannung\r\n"));
    EXPECT_EQ(form->Other.Strings(0), QStringLiteral("Senden"));
    EXPECT_EQ(static_cast<TTestItem*>(form->Items.Items(0))->Title, QStringLiteral("Kurve"));
    EXPECT_EQ(panel->Caption, QStringLiteral("Tafel"));
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
    EXPECT_EQ(button->Hint, QStringLiteral("Sendet"));
    // Names, read-only texts and options that do not exist yet are left alone.
    EXPECT_EQ(form->Name(), QStringLiteral("Form1"));
    EXPECT_EQ(button->Name(), QStringLiteral("Send"));
    EXPECT_EQ(form->Fixed, QStringLiteral("Hello"));
    EXPECT_FALSE(form->HasOption());
    // Memo lines go through a copy, other list classes line by line.
    EXPECT_EQ(form->Lines.Puts, 0);
    EXPECT_EQ(form->Other.Puts, 1);
    ASSERT_NE(form->FindComponent(QStringLiteral("GettextMarker")), nullptr);
    // An existing option block is walked.
    panel->Option();
    t.TranslateProperties(panel);
    EXPECT_EQ(panel->Option()->Text, QStringLiteral("Hallo"));
}

TEST_F(ComponentTranslationTest, SecondCallInAnotherLanguageShowsErrorAndRetranslateSwitches) {
    t.TranslateComponent(form);
    t.TranslateComponent(form);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
    t.UseLanguage(QStringLiteral("fr"));
    t.TranslateComponent(form);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("Error: This application tried to switch the language")));
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
    t.UseLanguage(QStringLiteral("de"));
    t.RetranslateComponent(form);
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
    t.UseLanguage(QStringLiteral("fr"));
    t.RetranslateComponent(form);
    EXPECT_EQ(form->Caption, QStringLiteral("Fenetre"));
    EXPECT_EQ(button->Caption, QStringLiteral("Envoyer"));
    EXPECT_EQ(button->Hint, QStringLiteral("Sends the map")); // no French text: the design text
    EXPECT_EQ(form->Lines.Text(), QStringLiteral("Courbe\r\n\r\nTension\r\n"));
    EXPECT_EQ(static_cast<TTestItem*>(form->Items.Items(0))->Title, QStringLiteral("Courbe"));
    EXPECT_THROW(t.RetranslateComponent(panel), EGGProgrammingError);
}

TEST_F(ComponentTranslationTest, IgnoreRulesKeepPartsAsDesigned) {
    t.TP_Ignore(form, QStringLiteral("Send"));
    t.TP_Ignore(form, QStringLiteral(".Caption"));
    t.TranslateProperties(form);
    EXPECT_EQ(form->Caption, QStringLiteral("Main window"));
    EXPECT_EQ(panel->Caption, QStringLiteral("Tafel"));
    EXPECT_EQ(button->Caption, QStringLiteral("Send"));
    // The per-run names are gone after the run.
    t.TranslateProperties(button);
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
}

TEST_F(ComponentTranslationTest, ClassRulesPreferTheMostSpecificClass) {
    std::vector<String> handled;
    t.TP_GlobalHandleClass(TTestControl::StaticClass(), TTranslator([&](TObject* o) {
                               handled.push_back(QStringLiteral("control ") +
                                                 static_cast<TComponent*>(o)->Name());
                           }));
    t.TP_GlobalHandleClass(TTestButton::StaticClass(), TTranslator([&](TObject* o) {
                               handled.push_back(QStringLiteral("button ") +
                                                 static_cast<TComponent*>(o)->Name());
                           }));
    t.TranslateProperties(button);
    t.TranslateProperties(panel);
    EXPECT_EQ(handled, (std::vector<String>{QStringLiteral("button Send"), QStringLiteral("control Panel")}));
    EXPECT_EQ(button->Caption, QStringLiteral("Send"));
    EXPECT_THROW(t.TP_GlobalHandleClass(TTestButton::StaticClass(), TTranslator()), EGGProgrammingError);
    EXPECT_THROW(t.TP_GlobalIgnoreClassProperty(TTestButton::StaticClass(), QStringLiteral("Hint")),
                 EGGProgrammingError);
    EXPECT_THROW(t.TP_GlobalIgnoreClass(TTestButton::StaticClass()), EGGProgrammingError);
}

TEST_F(ComponentTranslationTest, PropertyRulesSkipProperties) {
    t.TP_GlobalIgnoreClassProperty(TTestButton::StaticClass(), QStringLiteral("Hint"));
    t.TP_GlobalIgnoreClassProperty(TTestButton::StaticClass(), QStringLiteral("Hint")); // repeated: accepted
    t.TP_IgnoreClassProperty(TTestControl::StaticClass(), QStringLiteral("Caption"));
    EXPECT_THROW(t.TP_IgnoreClassProperty(TTestControl::StaticClass(), QStringLiteral("Caption")),
                 EStringListError);
    t.TranslateProperties(form);
    EXPECT_EQ(button->Caption, QStringLiteral("Send"));
    EXPECT_EQ(button->Hint, QStringLiteral("Sends the map"));
    t.TP_IgnoreClass(TTestOption::StaticClass());
    EXPECT_THROW(t.TP_IgnoreClass(TTestOption::StaticClass()), EGGProgrammingError);
    t.TranslateProperties(form);
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
    EXPECT_EQ(button->Hint, QStringLiteral("Sends the map"));
}

TEST_F(ComponentTranslationTest, FailedPropertyStopsTheRunAndLeavesNoMarker) {
    button->FailOnSet = true;
    t.TP_Ignore(form, QStringLiteral("Panel.Hint"));
    try {
        t.TranslateComponent(form);
        FAIL() << "no exception";
    } catch (const EGGComponentError& e) {
        EXPECT_EQ(e.Message,
                  QStringLiteral("Property cannot be translated.\r\nAdd TP_GlobalIgnoreClassProperty("
                                 "TTestButton, 'Caption') to your source code or use\r\nTP_Ignore (self, "
                                 "'.Caption') to prevent this message.\r\nReason: cannot set"));
    }
    EXPECT_EQ(form->FindComponent(QStringLiteral("GettextMarker")), nullptr);
    button->FailOnSet = false;
    t.TranslateComponent(form);
    EXPECT_EQ(button->Caption, QStringLiteral("Senden"));
    t.UseLanguage(QStringLiteral("fr"));
    t.RetranslateComponent(form);
    EXPECT_EQ(button->Caption, QStringLiteral("Envoyer"));
}

// A lookup that fails (a translation that is not UTF-8) stops the run with its reason
// wrapped. A catalogue that cannot be loaded at all is told once in a box instead, and the
// run leaves the design texts.
TEST_F(ComponentTranslationTest, LookupErrorsReachTheCallerWrappedACatalogueErrorIsToldOnce) {
    fixture::PutCatalogue(dir.path(), QStringLiteral("yy"), fixture::BuildMo({{"Main window", "\xC3("}}));
    t.UseLanguage(QStringLiteral("yy"));
    try {
        t.TranslateComponent(form);
        FAIL() << "no exception";
    } catch (const EGGComponentError& e) {
        EXPECT_EQ(e.Message,
                  QStringLiteral("Property cannot be translated.\r\nAdd TP_GlobalIgnoreClassProperty("
                                 "TTestControl, 'Caption') to your source code or use\r\nTP_Ignore "
                                 "(self, '.Caption') to prevent this message.\r\nReason: Invalid byte "
                                 "sequence encountered in utf-8 string"));
    }
    EXPECT_EQ(form->FindComponent(QStringLiteral("GettextMarker")), nullptr);
    EXPECT_TRUE(boxes.empty());

    fixture::PutCatalogue(dir.path(), QStringLiteral("xx"), std::vector<Byte>(40, 0x11));
    t.UseLanguage(QStringLiteral("xx"));
    t.TranslateComponent(form);
    EXPECT_EQ(form->Caption, QStringLiteral("Main window"));
    EXPECT_EQ(button->Caption, QStringLiteral("Send"));
    EXPECT_NE(form->FindComponent(QStringLiteral("GettextMarker")), nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("This file is not a valid GNU gettext mo file: ") +
                                  dir.path() + QStringLiteral("/xx/LC_MESSAGES/default.mo")))
        << boxes[0].toStdString();
}

// A component of another class under the marker's name is a type-cast error.
TEST_F(ComponentTranslationTest, ForeignComponentUnderTheMarkerNameIsACastError) {
    (new TTestControl(form))->SetName(QStringLiteral("GettextMarker"));
    EXPECT_THROW(t.TranslateComponent(form), EInvalidCast);
    EXPECT_THROW(t.RetranslateComponent(form), EInvalidCast);
    EXPECT_EQ(form->Caption, QStringLiteral("Main window"));
}

// The engine's texts for misuse, word for word.
TEST_F(ComponentTranslationTest, MisuseMessagesAreExact) {
    t.TranslateComponent(form);
    t.UseLanguage(QStringLiteral("fr"));
    t.TranslateComponent(form);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0],
              QStringLiteral("Error: This application tried to switch the language, but in an incorrect "
                             "way. The programmer needs to replace a call to TranslateComponent with a "
                             "call to RetranslateComponent(). The programmer should see the changelog of "
                             "gettext for more information."));
    auto message = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const EGGProgrammingError& e) {
            return e.Message;
        }
        return QStringLiteral("<no EGGProgrammingError>");
    };
    t.TP_GlobalHandleClass(TTestButton::StaticClass(), TTranslator([](TObject*) {}));
    t.TP_IgnoreClass(TTestOption::StaticClass());
    const struct {
        std::function<void()> call;
        const char* text;
    } cases[] = {
        {[&] { t.RetranslateComponent(panel); },
         "Retranslate was called on an object that has not been translated before. Please use "
         "TranslateComponent() before RetranslateComponent()."},
        {[&] { t.TP_GlobalIgnoreClass(TComponent::StaticClass()); },
         "You cannot add a class to the ignore List that is already on that List: TComponent. You should "
         "keep "
         "all TP_Global functions in one place in your source code."},
        {[&] { t.TP_IgnoreClass(TTestOption::StaticClass()); },
         "You cannot add a class to the ignore List that is already on that List: TTestOption."},
        {[&] { t.TP_GlobalHandleClass(TCollection::StaticClass(), TTranslator()); },
         "You cannot set a handler for a class that has already been assigned otherwise."},
        {[&] { t.TP_GlobalIgnoreClassProperty(TTestButton::StaticClass(), QStringLiteral("Hint")); },
         "You cannot ignore a class property for a class that has a handler set."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(message(c.call), QString::fromLatin1(c.text));
}

// A run in a named domain translates from that domain, and so does the retranslation.
TEST_F(ComponentTranslationTest, NamedDomainIsKeptForRetranslation) {
    fixture::PutCatalogue(dir.path(), QStringLiteral("de"), fixture::BuildMo({{"Send", "Abschicken"}}),
                          QStringLiteral("extra"));
    fixture::PutCatalogue(dir.path(), QStringLiteral("fr"), fixture::BuildMo({{"Send", "Expedier"}}),
                          QStringLiteral("extra"));
    t.bindtextdomain(QStringLiteral("extra"), dir.path());
    t.TranslateComponent(form, QStringLiteral("extra"));
    EXPECT_EQ(button->Caption, QStringLiteral("Abschicken"));
    EXPECT_EQ(form->Caption, QStringLiteral("Main window"));
    t.UseLanguage(QStringLiteral("fr"));
    t.RetranslateComponent(form);
    EXPECT_EQ(button->Caption, QStringLiteral("Expedier"));
    EXPECT_EQ(form->Other.Strings(0), QStringLiteral("Expedier"));
}

} // namespace
