// Helpers of the streaming tests: writing a root to bytes, converting between the text
// and binary forms, reading bytes into a root.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"

#include <QByteArray>

inline QByteArray StreamBytes(TMemoryStream& m) {
    return QByteArray(static_cast<const char*>(m.Memory()), qsizetype(m.Size()));
}

inline void LoadBytes(TMemoryStream& m, const QByteArray& bytes) {
    m.Clear();
    if (!bytes.isEmpty()) m.WriteBuffer(bytes.constData(), int(bytes.size()));
    m.SetPosition(0);
}

inline QByteArray WriteRoot(TComponent* root) {
    TMemoryStream m;
    {
        TWriter w(&m, 64); // a small buffer, so that flushing is exercised
        w.WriteRootComponent(root);
    }
    return StreamBytes(m);
}

inline QByteArray TextToBinary(const QByteArray& text) {
    TMemoryStream in, out;
    LoadBytes(in, text);
    ObjectTextToBinary(&in, &out);
    return StreamBytes(out);
}

inline QByteArray BinaryToText(const QByteArray& bin) {
    TMemoryStream in, out;
    LoadBytes(in, bin);
    ObjectBinaryToText(&in, &out);
    return StreamBytes(out);
}

inline void ReadRoot(const QByteArray& bin, TComponent* root, TReader** hooks = nullptr) {
    TMemoryStream m;
    LoadBytes(m, bin);
    TReader r(&m, 64);
    if (hooks) *hooks = &r;
    r.ReadRootComponent(root);
}
