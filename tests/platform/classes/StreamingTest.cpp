#include "StreamingFixture.h"
#include "StreamingSupport.h"

#include "platform/classes/ClassRegistry.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A component class that is never registered: only the published field of
// TFxFieldForm names it.
class TFxUnlisted : public TFxControl {
    ORVO_CLASS(TFxUnlisted, TFxControl)
public:
    using TFxControl::TFxControl;
};

class TFxFieldForm : public TFxForm {
    ORVO_CLASS(TFxFieldForm, TFxForm)
public:
    using TFxForm::TFxForm;
    TFxUnlisted* Unlisted1 = nullptr;
};

// Inherits the field without declaring one.
class TFxFieldChildForm : public TFxFieldForm {
    ORVO_CLASS(TFxFieldChildForm, TFxFieldForm)
public:
    using TFxFieldForm::TFxFieldForm;
};

ORVO_IMPLEMENT_CLASS(TFxUnlisted, TFxControl)
ORVO_IMPLEMENT_CLASS(TFxFieldForm, TFxForm)
ORVO_IMPLEMENT_CLASS(TFxFieldChildForm, TFxFieldForm)

namespace {
ORVO_PUBLISHED(TFxFieldForm) {
    P.Field("Unlisted1", &TFxFieldForm::Unlisted1);
}

class Streaming : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFixture();
        FxLog().clear();
    }

    // A form with one panel holding a button, and a switch.
    void build(TFxForm& form) {
        form.SetName("FxForm");
        panel = new TFxControl(&form);
        panel->SetName("Panel1");
        button = new TFxControl(&form);
        button->SetName("Button1");
        button->ParentControl = panel;
    }
    TFxControl* panel = nullptr;
    TFxControl* button = nullptr;
};

QByteArray crlf(const char* text) {
    return QByteArray(text).replace("\n", "\r\n");
}
} // namespace

TEST_F(Streaming, DefaultsAndUnstoredPropertiesAreNotWritten) {
    TFxForm form(nullptr);
    build(form);
    panel->Caption = "Main";
    panel->Hidden = "never written";
    panel->Font()->Name = "Tahoma"; // equal to the default: not stored
    EXPECT_EQ(BinaryToText(WriteRoot(&form)), crlf("object FxForm: TFxForm\n"
                                                   "  object Panel1: TFxControl\n"
                                                   "    Caption = 'Main'\n"
                                                   "    Panels = <>\n"
                                                   "    object Button1: TFxControl\n"
                                                   "      Panels = <>\n"
                                                   "    end\n"
                                                   "  end\n"
                                                   "end\n"));
    EXPECT_FALSE(panel->HasLazy()); // the writer's default check did not create it
}

TEST_F(Streaming, ChangedValuesAreWrittenInPublishedOrder) {
    TFxForm form(nullptr);
    build(form);
    form.SetTag(-3);
    panel->Left = 300;
    panel->Align = faClient;
    panel->Options = {};
    panel->Ratio = 0.5;
    panel->Big = Int64(1) << 40;
    panel->Font()->Height = -16;
    panel->Font()->Color = 0xFF;
    panel->Font()->Name = "Segoe UI";
    panel->Font()->Style = {foTwo};
    panel->Items()->Add("a");
    panel->Items()->Add("b");
    static_cast<TFxItem*>(panel->Panels()->Add())->Caption = "Status";
    panel->Lazy()->Height = 3;
    panel->Buddy = button;
    panel->OnClick = Method(&form, &TFxForm::ButtonClick);
    panel->Extra = {1, 2, 0xAB};
    EXPECT_EQ(BinaryToText(WriteRoot(&form)), crlf("object FxForm: TFxForm\n"
                                                   "  Tag = -3\n"
                                                   "  object Panel1: TFxControl\n"
                                                   "    Left = 300\n"
                                                   "    Align = faClient\n"
                                                   "    Options = []\n"
                                                   "    Ratio = 0.5\n"
                                                   "    Big = 1099511627776\n"
                                                   "    Font.Color = clRed\n"
                                                   "    Font.Height = -16\n"
                                                   "    Font.Name = 'Segoe UI'\n"
                                                   "    Font.Style = [foTwo]\n"
                                                   "    Items.Strings = (\n"
                                                   "      'a'\n"
                                                   "      'b')\n"
                                                   "    Panels = <\n"
                                                   "      item\n"
                                                   "        Caption = 'Status'\n"
                                                   "      end>\n"
                                                   "    Lazy.Height = 3\n"
                                                   "    Buddy = Button1\n"
                                                   "    OnClick = ButtonClick\n"
                                                   "    Extra = {\n"
                                                   "      0102AB}\n"
                                                   "    object Button1: TFxControl\n"
                                                   "      Panels = <>\n"
                                                   "    end\n"
                                                   "  end\n"
                                                   "end\n"));
}

TEST_F(Streaming, WriteReadWriteGivesEqualPropertiesAndBytes) {
    TFxForm form(nullptr);
    build(form);
    auto* sw = new TFxSwitch(&form);
    sw->SetName("Switch1");
    sw->SetStateOn(true);
    sw->OnOn = Method(&form, &TFxForm::SwitchOn);
    panel->Caption = QString::fromUtf8("Grüße 'quoted'\r\nline two");
    panel->Font()->Height = -16;
    panel->Items()->Add(QString::fromUtf8("Ünïcode"));
    panel->Items()->Add("");
    auto* item = static_cast<TFxItem*>(panel->Panels()->Add());
    item->Caption = "Status";
    item->Width = 200;
    panel->Panels()->Add();
    panel->Buddy = button;
    panel->Ratio = 1e-300;
    button->OnClick = Method(&form, &TFxForm::ButtonClick);
    button->Extra = std::vector<Byte>(300, 0x5A);
    const QByteArray first = WriteRoot(&form);

    FxLog().clear();
    TFxForm copy(nullptr);
    ReadRoot(first, &copy);
    // Fields bound by name, references resolved, handlers bound on the new root.
    ASSERT_NE(copy.Panel1, nullptr);
    ASSERT_NE(copy.Switch1, nullptr);
    EXPECT_EQ(copy.Name(), "FxForm");
    EXPECT_EQ(copy.Panel1->Caption, panel->Caption);
    EXPECT_EQ(copy.Panel1->Font()->Height, -16);
    EXPECT_EQ(copy.Panel1->Items()->Text(), panel->Items()->Text());
    ASSERT_EQ(copy.Panel1->Panels()->Count(), 2);
    EXPECT_EQ(static_cast<TFxItem*>(copy.Panel1->Panels()->Items(0))->Width, 200);
    EXPECT_EQ(static_cast<TFxItem*>(copy.Panel1->Panels()->Items(1))->Width, 50);
    EXPECT_EQ(copy.Panel1->Ratio, 1e-300);
    ASSERT_NE(copy.Panel1->Buddy, nullptr);
    EXPECT_EQ(copy.Panel1->Buddy->Name(), "Button1");
    EXPECT_EQ(copy.Panel1->Buddy->ParentControl, copy.Panel1);
    EXPECT_EQ(copy.Panel1->Buddy->Extra, button->Extra);
    copy.Panel1->Buddy->OnClick(nullptr);
    EXPECT_EQ(copy.Clicks, 1);
    EXPECT_EQ(form.Clicks, 0);
    EXPECT_TRUE(copy.Switch1->StateOn());
    EXPECT_EQ(WriteRoot(&copy), first);
}

TEST_F(Streaming, StateIsReadBeforeItsHandlersSoNothingFiresWhileLoading) {
    const QByteArray text = crlf("object FxForm: TFxForm\n"
                                 "  object Switch1: TFxSwitch\n"
                                 "    StateOn = True\n"
                                 "    OnOn = SwitchOn\n"
                                 "  end\n"
                                 "end\n");
    TFxForm form(nullptr);
    ReadRoot(TextToBinary(text), &form);
    EXPECT_TRUE(form.Switch1->StateOn());
    EXPECT_TRUE(form.Switch1->OnOn.Assigned());
    EXPECT_FALSE(FxLog().contains("SwitchOn"));
    // And the writer keeps that order.
    EXPECT_EQ(BinaryToText(WriteRoot(&form)), text);
    form.Switch1->SetStateOn(true);
    EXPECT_TRUE(FxLog().contains("SwitchOn"));
}

TEST_F(Streaming, LoadedRunsAfterFixupsInReadingOrder) {
    const QByteArray ok = crlf("object FxForm: TFxForm\n"
                               "  object Panel1: TFxControl\n"
                               "    Buddy = Button1\n"
                               "    object Button1: TFxControl\n"
                               "      Buddy = Panel1\n"
                               "    end\n"
                               "  end\n"
                               "end\n");
    TFxForm form(nullptr);
    ReadRoot(TextToBinary(ok), &form);
    EXPECT_EQ(FxLog(), (QStringList{"Loaded form FxForm", "Loaded Panel1 buddy=Button1",
                                    "Loaded Button1 buddy=Panel1"}));
    for (TComponent* c : {static_cast<TComponent*>(&form), static_cast<TComponent*>(form.Panel1)})
        EXPECT_TRUE((c->ComponentState() * TComponentState{csLoading, csReading}).empty());
}

TEST_F(Streaming, ErrorsRaiseUnlessTheErrorHookSkipsThem) {
    struct Case {
        const char* body;
        const char* message;
    } cases[] = {
        {"    Unknown = 1\n", "Property Unknown does not exist"},
        {"    Left = 'text'\n", "Invalid property value"},
        {"    Align = faLeft\n", "Invalid property value"},
        {"    Buddy = Nobody\n", "Unresolved component reference Nobody"},
        {"    OnClick = NoSuchHandler\n", "Method NoSuchHandler not found"},
        {"    OnClick = WrongSignature\n", "does not fit"},
        {"    Font.Missing = 1\n", "does not exist"},
    };
    for (const Case& k : cases) {
        const QByteArray text = crlf("object FxForm: TFxForm\n  object Panel1: TFxControl\n") + crlf(k.body) +
                                crlf("    Caption = 'after'\n  end\nend\n");
        const QByteArray bin = TextToBinary(text);
        {
            TFxForm form(nullptr);
            try {
                ReadRoot(bin, &form);
                ADD_FAILURE() << k.body;
            } catch (const EReadError& e) {
                EXPECT_TRUE(e.Message.contains(k.message)) << e.Message.toStdString();
            }
        }
        TFxForm form(nullptr);
        TMemoryStream m;
        LoadBytes(m, bin);
        TReader r(&m);
        QStringList seen;
        r.OnError = TReaderError([&](TReader*, const String& msg, bool& handled) {
            seen << msg;
            handled = true;
        });
        r.ReadRootComponent(&form);
        EXPECT_EQ(seen.size(), 1) << k.body;
        ASSERT_NE(form.Panel1, nullptr);
        EXPECT_EQ(form.Panel1->Caption, "after") << k.body;
    }
}

TEST_F(Streaming, HooksFindHandlersAndClasses) {
    const QByteArray bin = TextToBinary(crlf("object FxForm: TFxForm\n"
                                             "  object Panel1: TMysteryControl\n"
                                             "    OnClick = GoneHandler\n"
                                             "  end\n"
                                             "end\n"));
    {
        TFxForm form(nullptr);
        EXPECT_THROW(ReadRoot(bin, &form), EClassNotFound);
        EXPECT_EQ(form.ComponentCount(), 0);
    }
    TFxForm form(nullptr);
    TMemoryStream m;
    LoadBytes(m, bin);
    TReader r(&m);
    r.OnFindComponentClass = TFindComponentClassEvent([](TReader*, const String& name, TClass& cls) {
        if (name == "TMysteryControl") cls = TFxControl::StaticClass();
    });
    // An unknown handler name left unassigned, as chart files are loaded.
    r.OnFindMethod = TFindMethodEvent([](TReader*, const String&, TMethod&, bool& error) { error = false; });
    r.ReadRootComponent(&form);
    ASSERT_NE(form.Panel1, nullptr);
    EXPECT_FALSE(form.Panel1->OnClick.Assigned());
}

TEST_F(Streaming, AClassIsFoundThroughTheRootsPublishedFields) {
    struct Case {
        const char* what;
        TClass root;
        const char* component;
        TClass hook;     // the class the OnFindComponentClass hook gives for TFxUnlisted
        TClass alias;    // a class registered under the name TFxUnlisted
        TClass expected; // nullptr: the class is not found
    };
    const Case cases[] = {
        {"field of the root", TFxFieldForm::StaticClass(), "Unlisted1", nullptr, nullptr,
         TFxUnlisted::StaticClass()},
        {"field of the root's ancestor", TFxFieldChildForm::StaticClass(), "Unlisted1", nullptr, nullptr,
         TFxUnlisted::StaticClass()},
        {"hook before the fields", TFxFieldForm::StaticClass(), "Other1", TFxSwitch::StaticClass(), nullptr,
         TFxSwitch::StaticClass()},
        {"registry before the fields", TFxFieldForm::StaticClass(), "Other1", nullptr,
         TFxSwitch::StaticClass(), TFxSwitch::StaticClass()},
        {"hook before the registry", TFxFieldForm::StaticClass(), "Other1", TFxSwitch::StaticClass(),
         TFxControl::StaticClass(), TFxSwitch::StaticClass()},
        {"root without such a field", TFxForm::StaticClass(), "Unlisted1", nullptr, nullptr, nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        ASSERT_EQ(GetClass("TFxUnlisted"), nullptr);
        const QByteArray bin =
            TextToBinary(crlf(QStringLiteral("object FxForm: %1\n"
                                             "  object %2: TFxUnlisted\n"
                                             "  end\n"
                                             "end\n")
                                  .arg(QLatin1String(k.root->Name), QLatin1String(k.component))
                                  .toLatin1()
                                  .constData()));
        std::unique_ptr<TComponent> root(dynamic_cast<TComponent*>(k.root->CreateComponent(nullptr)));
        ASSERT_NE(root, nullptr);
        TMemoryStream m;
        LoadBytes(m, bin);
        TReader r(&m);
        if (k.hook)
            r.OnFindComponentClass = TFindComponentClassEvent([&](TReader*, const String& name, TClass& cls) {
                if (name == "TFxUnlisted") cls = k.hook;
            });
        // Unregistering drops the alias and the class's own name; the fixture needs the class.
        struct AliasGuard {
            TClass alias;
            ~AliasGuard() {
                if (!alias) return;
                UnRegisterClass(alias);
                RegisterClass(alias);
            }
        } guard{k.alias};
        if (k.alias) RegisterClassAlias(k.alias, "TFxUnlisted");
        if (!k.expected) {
            EXPECT_THROW(r.ReadRootComponent(root.get()), EClassNotFound);
            EXPECT_EQ(root->ComponentCount(), 0);
            continue;
        }
        r.ReadRootComponent(root.get());
        TComponent* read = root->FindComponent(k.component);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->ClassType(), k.expected);
        bool isField = false;
        TObject* field = GetPublishedField(root.get(), k.component, &isField);
        if (isField) {
            EXPECT_EQ(field, read);
        }
    }
}

TEST_F(Streaming, DefinedPropertiesReadOldData) {
    TFxForm form(nullptr);
    ReadRoot(TextToBinary(crlf("object FxForm: TFxForm\n"
                               "  object Panel1: TFxControl\n"
                               "    Legacy = 42\n"
                               "  end\n"
                               "end\n")),
             &form);
    EXPECT_EQ(form.Panel1->LegacyValue, 42);
}

TEST_F(Streaming, ATruncatedStreamRaisesAReadError) {
    TFxForm form(nullptr);
    build(form);
    panel->Caption = "Main";
    panel->Panels()->Add();
    panel->Items()->Add("x");
    panel->Buddy = button;
    const QByteArray bin = WriteRoot(&form);
    for (int n = 0; n < bin.size(); ++n) {
        TFxForm target(nullptr);
        EXPECT_THROW(ReadRoot(bin.left(n), &target), EFilerError) << n;
        EXPECT_EQ(target.Panel1 == nullptr || target.Panel1->Name() == "Panel1", true);
    }
}

// A named component that leaves its owner, freed or taken by another owner, clears the
// owner's published field of its name; a field that points to another component stays.
TEST_F(Streaming, AComponentLeavingItsOwnerClearsTheFieldOfItsName) {
    // Each way of leaving answers the component still to be freed, if any.
    using Leave = std::function<TComponent*(TFxControl * panel, TComponent & elsewhere)>;
    struct Case {
        const char* what;
        bool fieldPointsToPanel;
        Leave leave;
        bool cleared;
    };
    const Leave freed = [](TFxControl* p, TComponent&) -> TComponent* {
        FreeObject(p);
        return nullptr;
    };
    const Case cases[] = {
        {"freed", true, freed, true},
        {"re-owned", true,
         [](TFxControl* p, TComponent& other) -> TComponent* {
             other.InsertComponent(p);
             return nullptr;
         },
         true},
        {"removed", true,
         [](TFxControl* p, TComponent&) -> TComponent* {
             p->Owner()->RemoveComponent(p);
             return p;
         },
         true},
        {"field elsewhere", false, freed, false},
    };
    for (const Case& c : cases) {
        TComponent elsewhere(nullptr);
        TFxForm form(nullptr);
        build(form);
        TFxControl* kept = button;
        form.Panel1 = c.fieldPointsToPanel ? panel : kept;
        TComponent* left = c.leave(panel, elsewhere);
        if (c.cleared)
            EXPECT_EQ(form.Panel1, nullptr) << c.what;
        else
            EXPECT_EQ(form.Panel1, kept) << c.what;
        EXPECT_EQ(form.FindComponent("Panel1"), nullptr) << c.what;
        FreeObject(left);
    }
}

// Every registered component class: writing a new instance, reading it back and writing
// it again gives the same bytes.
TEST_F(Streaming, EveryRegisteredComponentRoundTripsItsDefaults) {
    for (TClass cls : RegisteredClasses()) {
        if (!cls->CreateComponent || !cls->InheritsFrom(TComponent::StaticClass())) continue;
        std::unique_ptr<TComponent> a(dynamic_cast<TComponent*>(cls->CreateComponent(nullptr)));
        // Forms and frames that build their components from a resource are read from it,
        // never into an instance that has them already.
        if (!a || a->ComponentCount() > 0) continue;
        const QByteArray first = WriteRoot(a.get());
        std::unique_ptr<TComponent> b(dynamic_cast<TComponent*>(cls->CreateComponent(nullptr)));
        ReadRoot(first, b.get());
        EXPECT_EQ(WriteRoot(b.get()), first) << cls->Name;
    }
}
