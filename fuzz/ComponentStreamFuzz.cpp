// Feeds arbitrary bytes to the component stream readers: the binary reader (into a root
// with a few published properties, a collection and child components, and into a form with
// the real classes of the tool's forms registered: controls, speed buttons with their
// glyphs, image lists, timers, dialogs, status bars, fonts and picture data) and the text
// parser. Malformed input may only raise a filer error, or for the form any error of this
// system's own (a damaged picture, a property value out of range).
#include "chart/engine/chart/Chart.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PieSeries.h"
#include "chart/tools/CursorTool.h"
#include "controls/XcControls.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/StandardControls.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exception.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {
enum TFzKind { fkA, fkB, fkC };
ORVO_IMPLEMENT_ENUM_TYPE(TFzKind, "fkA", "fkB", "fkC")
using TFzKinds = Set<TFzKind>;
ORVO_IMPLEMENT_SET_TYPE(TFzKinds, TFzKind)

class TFzItem : public TCollectionItem {
    ORVO_CLASS(TFzItem, TCollectionItem)
public:
    explicit TFzItem(TCollection* C) : TCollectionItem(C) {}
    String Text;
};

class TFzNode : public TComponent {
    ORVO_CLASS(TFzNode, TComponent)
public:
    explicit TFzNode(TComponent* AOwner) : TComponent(AOwner) {}
    int Number = 0;
    Int64 Wide = 0;
    double Value = 0;
    String Text;
    TFzKind Kind = fkA;
    TFzKinds Kinds;
    bool Flag = false;
    TFzNode* Link = nullptr;
    TNotifyEvent OnEvent;
    TStrings* Lines() { return lines_.get(); }
    TCollection* Items() { return items_.get(); }
    void Handler(TObject*) {}
    void GetChildren(TGetChildProc Proc, TComponent*) override {
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }

private:
    std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
    std::unique_ptr<TCollection> items_ = std::make_unique<TCollection>(TFzItem::StaticClass());
};

ORVO_IMPLEMENT_CLASS(TFzItem, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TFzNode, TComponent)

ORVO_PUBLISHED(TFzItem) {
    P.Property("Text", &TFzItem::Text);
}
ORVO_PUBLISHED(TFzNode) {
    P.Property("Number", &TFzNode::Number).Default(0);
    P.Property("Wide", &TFzNode::Wide);
    P.Property("Value", &TFzNode::Value);
    P.Property("Text", &TFzNode::Text);
    P.Property("Kind", &TFzNode::Kind).Default(fkA);
    P.Property("Kinds", &TFzNode::Kinds);
    P.Property("Flag", &TFzNode::Flag);
    P.Property("Link", &TFzNode::Link);
    P.Property("OnEvent", &TFzNode::OnEvent);
    P.Property("Lines", &TFzNode::Lines);
    P.Property("Items", &TFzNode::Items);
    P.Method("Handler", &TFzNode::Handler);
}

// Reads a binary component stream into a form with the controls of the tool's forms.
void ReadIntoForm(TMemoryStream& m) {
    try {
        m.SetPosition(0);
        TForm form(nullptr, 0);
        TReader reader(&m, 64);
        reader.ReadRootComponent(&form);
    } catch (const Exception&) {
    } catch (const std::logic_error&) {
        // A class that cannot live outside the running tool refuses to be made (the curve
        // editor's frame without the program's settings): the reader still cleans up after it.
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Every class the tool's libraries register (standard and extended controls, charts, series,
    // tools, gauges, the data grid and the tool's own forms), as the tool registers them.
    StartFuzzApplication(argc, argv);
    RegisterClass(TFzNode::StaticClass());
    RegisterClasses({TTimer::StaticClass()});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1 << 20)) return 0;
    TMemoryStream in;
    // The binary reader, into an existing root.
    try {
        LoadFuzzInput(in, data, size);
        TFzNode root(nullptr);
        TReader reader(&in, 64);
        reader.ReadRootComponent(&root);
    } catch (const EFilerError&) {
    }
    // The binary reader, into a form, as a form resource is read.
    LoadFuzzInput(in, data, size);
    ReadIntoForm(in);
    // The text parser, then the binary form it made back to text and into a form, so that
    // form texts (the seeds are the tool's own forms) reach the form reader.
    TMemoryStream bin;
    try {
        LoadFuzzInput(in, data, size);
        TMemoryStream text;
        ObjectTextToBinary(&in, &bin);
        bin.SetPosition(0);
        ObjectBinaryToText(&bin, &text);
    } catch (const EFilerError&) {
        bin.Clear();
    }
    if (bin.Size() > 0) ReadIntoForm(bin);
    // The converter from binary to text on raw bytes.
    try {
        LoadFuzzInput(in, data, size);
        TMemoryStream text;
        ObjectBinaryToText(&in, &text);
    } catch (const EFilerError&) {
    }
    return 0;
}
