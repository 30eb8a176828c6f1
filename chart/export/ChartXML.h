// The XML form of a chart file: the text form turned into elements line by line. Objects
// become elements named after their class (with their name in the attribute Name), dotted
// property names nest ("Title.Font.Color" gives Title, Font and Color elements), values go
// in the attribute value, lists and binary data become String elements and collections
// their items.
#pragma once

#include "platform/classes/StringList.h"

class TStream;

// A string list used as a stack.
class TStringsStack : public TStringList {
    ORVO_CLASS(TStringsStack, TStringList)
public:
    // Appends Text; returns its index.
    int Push(const String& Text);
    // Removes and returns the last item; the empty string when the stack is empty.
    String Pop();
};

// Replaces the text form held in Stream (read from position 0) by its XML form, UTF-8
// encoded, lines separated by CR LF; with XMLHeader an XML declaration naming UTF-8 comes
// first. Values and names are escaped so that the result is well-formed whatever the text:
// elements still open when the text ends are closed.
void ConvertTextToXML(TStream* Stream, bool XMLHeader);
