// One library's registrations, seen from a program that names none of its classes: the build
// compiles this file once per library, with the library's name, the class names it registers
// and, where its components live inside another one (series and tools inside a chart), the
// class of that holder. The program's start-up (the test entry) has run the library's start-up.
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Component.h"
#include "platform/classes/LibraryStartup.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/controls/CustomForm.h"

#include <gtest/gtest.h>

#include <memory>

#define ORVO_PASTE2(a, b) a##b
#define ORVO_PASTE(a, b) ORVO_PASTE2(a, b)
TLibraryStartup& ORVO_PASTE(ORVO_LIBRARY, Startup)();

namespace {

QStringList Names() {
    return QString::fromLatin1(ORVO_REGISTERED_CLASSES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// A form resource holding one component of the class, inside the holder when there is one.
QByteArray FormText(const QString& ClassName) {
    const QString holder = QStringLiteral(ORVO_FORM_HOLDER);
    QString text = QStringLiteral("object RegistrationForm: TForm\n");
    if (!holder.isEmpty()) text += QStringLiteral("  object Holder1: %1\n").arg(holder);
    text += QStringLiteral("    object Item1: %1\n    end\n").arg(ClassName);
    if (!holder.isEmpty()) text += QStringLiteral("  end\n");
    text += QStringLiteral("end\n");
    return text.toUtf8();
}

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

TEST(Registration, EveryClassIsFoundByNameAfterStartUp) {
    ASSERT_FALSE(Names().isEmpty());
    for (const QString& name : Names()) {
        SCOPED_TRACE(name.toStdString());
        TClass cls = GetClass(name);
        ASSERT_NE(cls, nullptr);
        EXPECT_EQ(cls->ClassName(), name);
        EXPECT_EQ(FindClass(name), cls);
    }
}

TEST(Registration, AFormResourceNamingEachComponentClassLoads) {
    for (const QString& name : Names()) {
        TClass cls = GetClass(name);
        ASSERT_NE(cls, nullptr) << name.toStdString();
        // Forms are roots of their own resources; a frame or any other component is held.
        if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->InheritsFrom(TCustomForm::StaticClass()))
            continue;
        if (name == QStringLiteral(ORVO_FORM_HOLDER)) continue;
        SCOPED_TRACE(name.toStdString());
        const QByteArray text = FormText(name);
        TMemoryStream in, bin;
        in.WriteBuffer(text.constData(), int(text.size()));
        in.SetPosition(0);
        ObjectTextToBinary(&in, &bin);
        bin.SetPosition(0);
        std::unique_ptr<TForm, Free> form(new TForm(nullptr, 0));
        TReader reader(&bin);
        ASSERT_NO_THROW(reader.ReadRootComponent(form.get()));
        TComponent* item = form->FindComponent(QStringLiteral("Item1"));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->ClassType(), cls);
    }
}

TEST(Registration, StartingAgainAddsNothingAndClosingDownTakesTheClassesAway) {
    TLibraryStartup& startup = ORVO_PASTE(ORVO_LIBRARY, Startup)();
    ASSERT_TRUE(startup.Initialized());
    startup.Initialize();
    for (const QString& name : Names())
        EXPECT_NE(GetClass(name), nullptr) << name.toStdString();
    startup.Finalize();
    EXPECT_FALSE(startup.Initialized());
#if !ORVO_FINALIZATION_KEEPS
    for (const QString& name : Names())
        EXPECT_EQ(GetClass(name), nullptr) << name.toStdString();
#endif
    startup.Initialize();
    EXPECT_TRUE(startup.Initialized());
    for (const QString& name : Names())
        EXPECT_NE(GetClass(name), nullptr) << name.toStdString();
}

} // namespace
