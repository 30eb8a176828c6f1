#include "StreamingFixture.h"

#include "platform/classes/ClassRegistry.h"

#include <gtest/gtest.h>

namespace {
// Redeclares a parent's property with another default, and adds one of its own.
class TFxWideControl : public TFxControl {
    ORVO_CLASS(TFxWideControl, TFxControl)
public:
    explicit TFxWideControl(TComponent* AOwner) : TFxControl(AOwner) { Align = faClient; }
    int Depth = 0;
};
ORVO_IMPLEMENT_CLASS(TFxWideControl, TFxControl)
ORVO_PUBLISHED(TFxWideControl) {
    P.Property("Depth", &TFxWideControl::Depth).Default(0);
    P.Property("Align", &TFxControl::Align).Default(faClient);
}

QStringList names(const TPropList& list) {
    QStringList out;
    for (PPropInfo p : list)
        out << p->Name;
    return out;
}

class TypInfo : public ::testing::Test {
protected:
    void SetUp() override { RegisterFixture(); }
};
} // namespace

TEST_F(TypInfo, PropertiesComeInheritedFirstInDeclarationOrder) {
    const QStringList control = names(GetPropList(TFxControl::StaticClass()));
    EXPECT_EQ(control, (QStringList{"Name", "Tag", "Left", "Align", "Options", "Caption", "Hidden", "Ratio",
                                    "Big", "Font", "Items", "Panels", "Lazy", "Buddy", "OnClick"}));
    // A redeclared property keeps its place and takes the new default.
    const TPropList wide = GetPropList(TFxWideControl::StaticClass());
    EXPECT_EQ(names(wide), control + QStringList{"Depth"});
    EXPECT_EQ(wide[3]->Default, faClient);
    EXPECT_EQ(GetPropInfo(TFxControl::StaticClass(), "align")->Default, faNone);
    EXPECT_EQ(GetTypeData(ClassTypeInfo(TFxWideControl::StaticClass()))->PropCount, 16);
    EXPECT_EQ(names(GetPropList(TFxSwitch::StaticClass(), TTypeKinds{tkMethod})),
              (QStringList{"OnOn", "OnOff"}));
}

TEST_F(TypInfo, AccessorsReadAndWriteEveryKind) {
    TFxControl c(nullptr);
    SetOrdProp(&c, "Left", 12);
    EXPECT_EQ(c.Left, 12);
    EXPECT_EQ(GetEnumProp(&c, "Align"), "faNone");
    SetEnumProp(&c, "Align", "FACLIENT");
    EXPECT_EQ(c.Align, faClient);
    EXPECT_THROW(SetEnumProp(&c, "Align", "faLeft"), EPropertyError);
    SetSetProp(&c, "Options", "[foTwo, foThree]");
    EXPECT_EQ(c.Options, (TFxOptions{foTwo, foThree}));
    EXPECT_EQ(GetSetProp(&c, "Options"), "foTwo,foThree");
    EXPECT_EQ(GetSetProp(&c, "Options", true), "[foTwo,foThree]");
    EXPECT_THROW(SetSetProp(&c, "Options", "[foFour]"), EPropertyError);
    SetStrProp(&c, "Caption", QString::fromUtf8("Grüße"));
    EXPECT_EQ(GetStrProp(&c, "caption"), QString::fromUtf8("Grüße"));
    SetFloatProp(&c, "Ratio", 2.5L);
    EXPECT_EQ(GetFloatProp(&c, "Ratio"), 2.5L);
    SetInt64Prop(&c, "Big", Int64(1) << 40);
    EXPECT_EQ(GetInt64Prop(&c, "Big"), Int64(1) << 40);
    EXPECT_EQ(GetObjectProp(&c, "Font"), c.Font());
    EXPECT_EQ(GetObjectProp(&c, "Font", TFxControl::StaticClass()), nullptr);
    EXPECT_EQ(GetObjectPropClass(GetPropInfo(&c, "Items")), TStrings::StaticClass());
    SetOrdProp(c.Font(), "Height", -20);
    EXPECT_EQ(c.Font()->Height, -20);
    EXPECT_EQ(GetStrProp(&c, "Name"), "");
    SetStrProp(&c, "Name", "Panel7");
    EXPECT_EQ(c.Name(), "Panel7");
}

TEST_F(TypInfo, ObjectAndMethodPropertiesCheckTheirTypes) {
    TFxForm form(nullptr);
    TFxControl a(&form), b(&form);
    SetObjectProp(&a, "Buddy", &b);
    EXPECT_EQ(a.Buddy, &b);
    TFxSwitch sw(nullptr);
    EXPECT_THROW(SetObjectProp(&a, "Buddy", &sw), EPropertyError);
    EXPECT_THROW(SetObjectProp(&a, "Font", nullptr), EPropertyError); // read-only
    const TMethod click = MethodAddress(&form, "buttonclick");
    ASSERT_TRUE(click.Assigned());
    SetMethodProp(&a, "OnClick", click);
    a.OnClick(&a);
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_EQ(MethodName(&form, GetMethodProp(&a, "OnClick")), "ButtonClick");
    EXPECT_EQ(MethodName(&form, Method(&form, &TFxForm::ButtonClick).ToMethod()), "ButtonClick");
    EXPECT_EQ(MethodName(&form, Method(&form, &TFxForm::SwitchOn).ToMethod()), "SwitchOn");
    EXPECT_FALSE(MethodAddress(&form, "NoSuchHandler").Assigned());
    EXPECT_TRUE(SetPublishedField(&form, "panel1", &a));
    EXPECT_EQ(form.Panel1, &a);
    EXPECT_THROW(SetPublishedField(&form, "Panel1", &sw), EPropertyError);
    EXPECT_FALSE(SetPublishedField(&form, "Nothing", &a));
}

TEST_F(TypInfo, ErrorsAndStoredRules) {
    TFxControl c(nullptr);
    EXPECT_THROW(GetOrdProp(&c, "Missing"), EPropertyError);
    EXPECT_THROW(GetStrProp(&c, "Left"), EPropertyError);
    EXPECT_FALSE(IsPublishedProp(&c, "Missing"));
    EXPECT_TRUE(IsPublishedProp(&c, "LEFT"));
    EXPECT_FALSE(IsStoredProp(&c, "Hidden"));
    EXPECT_FALSE(IsStoredProp(&c, "Name"));
    EXPECT_FALSE(IsStoredProp(c.Font(), "Name"));
    c.Font()->Name = "Arial";
    EXPECT_TRUE(IsStoredProp(c.Font(), "Name"));
    // Asking whether a lazily made object exists never makes it.
    EXPECT_FALSE(IsPropPresent(&c, GetPropInfo(&c, "Lazy")));
    EXPECT_FALSE(c.HasLazy());
    c.Lazy();
    EXPECT_TRUE(IsPropPresent(&c, GetPropInfo(&c, "Lazy")));
}

TEST_F(TypInfo, EnumerationNamesAndIdentifierMaps) {
    PTypeInfo align = TypeInfoOf(static_cast<TFxAlign*>(nullptr));
    struct Case {
        int value;
        const char* name;
    } cases[] = {{0, "faNone"}, {3, "faClient"}, {4, ""}, {-1, ""}};
    for (const Case& k : cases)
        EXPECT_EQ(GetEnumName(align, k.value), k.name) << k.value;
    EXPECT_EQ(GetEnumValue(align, "FATOP"), 1);
    EXPECT_EQ(GetEnumValue(align, "faLeft"), -1);
    EXPECT_EQ(GetEnumValue(TypeInfoBoolean(), "true"), 1);
    EXPECT_TRUE(GetTypeData(TypeInfoBoolean())->IsBoolean);
    EXPECT_EQ(SetToString(TypeInfoOf(static_cast<TFxOptions*>(nullptr)), 0b101, true), "[foOne,foThree]");
    int v = 0;
    String s;
    ASSERT_TRUE(FindIdentToInt(TypeInfoTColor()));
    EXPECT_TRUE(FindIdentToInt(TypeInfoTColor())("CLRED", v));
    EXPECT_EQ(v, 0xFF);
    EXPECT_TRUE(FindIntToIdent(TypeInfoTColor())(0xFF0000, s));
    EXPECT_EQ(s, "clBlue");
    EXPECT_FALSE(FindIntToIdent(TypeInfoTColor())(0x123456, s));
    EXPECT_FALSE(FindIdentToInt(TypeInfoTCursor()));
}

// Every registered class: a new instance reports each declared default as its value.
TEST_F(TypInfo, NewInstancesHaveTheirDeclaredDefaults) {
    RegisterClass(TFxWideControl::StaticClass());
    for (TClass cls : RegisteredClasses()) {
        TObject* obj = cls->CreateComponent ? cls->CreateComponent(nullptr)
                       : cls->CreatePlain   ? cls->CreatePlain()
                       : cls->CreateItem    ? cls->CreateItem(nullptr)
                                            : nullptr;
        if (!obj) continue;
        for (PPropInfo p : GetPropList(obj)) {
            const TTypeKind k = p->PropType->Kind;
            if ((k == tkInteger || k == tkEnumeration || k == tkSet || k == tkChar) &&
                p->Default != NoDefault) {
                EXPECT_EQ(GetOrdProp(obj, p), p->Default) << cls->Name << "." << p->Name.toStdString();
            }
            if (k == tkInt64 && p->HasDefault) {
                EXPECT_EQ(GetInt64Prop(obj, p), p->Default) << cls->Name << "." << p->Name.toStdString();
            }
        }
        FreeObject(obj);
    }
}
