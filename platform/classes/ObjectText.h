// The text form of component streams and its conversion to and from the binary form.
//
//   object Form1: TForm1
//     Caption = 'Settings'
//     Font.Height = -11
//     object Panel1: TPanel
//       Items.Strings = (
//         'a'
//         'b')
//     end
//   end
//
// Openers are "object", "inherited" and "inline", each optionally followed by "[n]"
// (child position); two blanks of indentation per level; lines end with CR LF. Values:
// integers, floats with "." whatever the locale (suffix s, c, d for single, currency and
// date), strings in single quotes with control characters as #n outside them and long
// strings continued with " +", identifiers, sets "[a, b]", lists "( ... )", binary
// data "{ hex }" and collections "< item ... end >". Text is UTF-8.
#pragma once

#include "platform/rtl/Types.h"

class TStream;

enum TStreamOriginalFormat { sofUnknown, sofBinary, sofText, sofUTF8Text };

// Converts the binary component stream at Input's position ("TPF0" first) to text.
void ObjectBinaryToText(TStream* Input, TStream* Output);
// Converts the text form at Input's position to a binary component stream.
// A malformed text raises EReadError naming the line.
void ObjectTextToBinary(TStream* Input, TStream* Output);
// Whether the stream at its position holds a binary or a text component stream; the
// position is left unchanged.
TStreamOriginalFormat TestStreamFormat(TStream* Stream);

// The text of a float in the text form ("1.5", "1e-20", "100.0"): the shortest text that
// reads back to the same value.
String FloatToObjectText(Extended Value);
