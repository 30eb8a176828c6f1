// Component streaming round trips for the chart engine's tests: a root written to the
// binary form, converted to and from the text form, and read back.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"

#include <QByteArray>

inline QByteArray bytesOf(TMemoryStream& m) {
    return QByteArray(static_cast<const char*>(m.Memory()), qsizetype(m.Size()));
}

// Replaces the stream's content by bytes and rewinds it.
inline void load(TMemoryStream& m, const QByteArray& bytes) {
    m.Clear();
    m.WriteBuffer(bytes.constData(), int(bytes.size()));
    m.SetPosition(0);
}

inline QByteArray writeBinary(TComponent* root) {
    TMemoryStream m;
    {
        TWriter w(&m);
        w.WriteRootComponent(root);
    }
    return bytesOf(m);
}

inline QByteArray toText(const QByteArray& binary) {
    TMemoryStream in, out;
    load(in, binary);
    ObjectBinaryToText(&in, &out);
    return bytesOf(out);
}

inline QByteArray toBinary(const QByteArray& text) {
    TMemoryStream in, out;
    load(in, text);
    ObjectTextToBinary(&in, &out);
    return bytesOf(out);
}

inline void readBinary(const QByteArray& binary, TComponent* root) {
    TMemoryStream m;
    load(m, binary);
    TReader r(&m);
    r.ReadRootComponent(root);
}

inline QByteArray writeText(TComponent* root) {
    return toText(writeBinary(root));
}

inline void readText(const QByteArray& text, TComponent* root) {
    readBinary(toBinary(text), root);
}
