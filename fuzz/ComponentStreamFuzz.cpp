// Feeds arbitrary bytes to the component stream readers: the binary reader (into a root
// with a few published properties, a collection and child components) and the text
// parser. Malformed input may only raise a filer error.
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

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

void load(TMemoryStream& m, const uint8_t* data, size_t size) {
    m.Clear();
    if (size) m.WriteBuffer(data, int(size));
    m.SetPosition(0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (RegisterClass(TFzNode::StaticClass()), true);
    (void)registered;
    if (size > (1 << 20)) return 0;
    TMemoryStream in;
    // The binary reader, into an existing root.
    try {
        load(in, data, size);
        TFzNode root(nullptr);
        TReader reader(&in, 64);
        reader.ReadRootComponent(&root);
    } catch (const EFilerError&) {
    }
    // The text parser, then the binary form it made back to text.
    try {
        load(in, data, size);
        TMemoryStream bin, text;
        ObjectTextToBinary(&in, &bin);
        bin.SetPosition(0);
        ObjectBinaryToText(&bin, &text);
    } catch (const EFilerError&) {
    }
    // The converter from binary to text on raw bytes.
    try {
        load(in, data, size);
        TMemoryStream text;
        ObjectBinaryToText(&in, &text);
    } catch (const EFilerError&) {
    }
    return 0;
}
