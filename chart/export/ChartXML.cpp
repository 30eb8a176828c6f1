#include "chart/export/ChartXML.h"

#include "chart/export/TeeXMLText.h"
#include "platform/classes/Streams.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TStringsStack, TStringList)

int TStringsStack::Push(const String& Text) {
    Add(Text);
    return Count() - 1;
}

String TStringsStack::Pop() {
    if (Count() == 0) return String();
    const String last = Strings(Count() - 1);
    Delete(Count() - 1);
    return last;
}

namespace {

class TTextToXML {
public:
    explicit TTextToXML(QStringList Lines) : FLines(std::move(Lines)) {}

    QStringList Convert(bool XMLHeader) {
        if (XMLHeader) FOut << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        while (FNext < FLines.size()) {
            const String line = FLines[FNext++].trimmed();
            if (!line.isEmpty()) Line(line);
        }
        // A text that ends inside an object still gives a well-formed document.
        ClosePath(0);
        while (FObjects.Count() > 0)
            Close(FObjects.Pop());
        return FOut;
    }

private:
    void Write(const String& Text) { FOut << String(FIndent, u' ') + Text; }
    void Open(const String& Name) {
        Write(u'<' + Name + u'>');
        FIndent += 2;
    }
    void Close(const String& Name) {
        FIndent = std::max(0, FIndent - 2);
        Write(QStringLiteral("</") + Name + u'>');
    }
    void ClosePath(int Level) {
        while (FPath.Count() > Level)
            Close(FPath.Pop());
    }
    void Value(const String& Name, const String& Value) {
        Write(u'<' + TeeXMLName(Name) + QStringLiteral(" value=\"") + TeeXMLEscape(Value) +
              QStringLiteral("\"/>"));
    }
    // The next line that is not empty, trimmed; false at the end of the text.
    bool NextLine(String& Line) {
        while (FNext < FLines.size()) {
            Line = FLines[FNext++].trimmed();
            if (!Line.isEmpty()) return true;
        }
        return false;
    }

    void Line(String line) {
        if (line.left(6).toUpper() == QStringLiteral("OBJECT")) {
            Object(line.mid(6));
            return;
        }
        qsizetype eq = line.indexOf(u'=');
        qsizetype dot = line.indexOf(u'.');
        if (eq >= 0 && dot >= 0 && dot < eq) {
            int level = 0;
            while (dot >= 0 && dot < eq) {
                const String component = TeeXMLName(line.left(dot).trimmed());
                if (level >= FPath.Count() || FPath.Strings(level) != component) {
                    ClosePath(level);
                    FPath.Push(component);
                    Open(component);
                }
                line = line.mid(dot + 1);
                ++level;
                eq = line.indexOf(u'=');
                dot = line.indexOf(u'.');
            }
            ClosePath(level);
        } else {
            ClosePath(0);
        }
        if (eq >= 0) {
            Property(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
        } else if (line.toUpper() == QStringLiteral("END")) {
            ClosePath(0);
            if (FObjects.Count() > 0) Close(FObjects.Pop());
        }
    }

    void Object(const String& Rest) {
        ClosePath(0);
        const qsizetype colon = Rest.indexOf(u':');
        String className, element;
        if (colon >= 0) {
            className = TeeXMLName(Rest.mid(colon + 1).trimmed());
            element =
                className + QStringLiteral(" Name=\"") + TeeXMLEscape(Rest.left(colon).trimmed()) + u'"';
        } else {
            className = TeeXMLName(Rest.trimmed());
            element = className;
        }
        if (FNext < FLines.size() && FLines[FNext].trimmed().toUpper() == QStringLiteral("END")) {
            ++FNext;
            Write(u'<' + element + QStringLiteral("/>"));
        } else {
            Write(u'<' + element + u'>');
            FIndent += 2;
            FObjects.Push(className);
        }
    }

    void Property(const String& Name, const String& Value) {
        if (Value == QStringLiteral("{") || Value == QStringLiteral("(")) {
            List(TeeXMLName(Name));
        } else if (Value == QStringLiteral("<")) {
            const String name = TeeXMLName(Name);
            FPath.Push(name);
            Write(u'<' + name + u'>');
            Items();
            FPath.Pop();
            Close(name);
        } else {
            this->Value(Name, Value == QStringLiteral("<>") ? String() : Value);
        }
    }

    // The lines of a list or binary value up to the one that ends it (or the end of the text).
    void List(const String& Name) {
        Open(Name);
        FPath.Push(Name);
        while (FNext < FLines.size()) {
            const String line = FLines[FNext++].trimmed();
            const bool last = line.endsWith(u')') || line.endsWith(u'}');
            Write(QStringLiteral("<String value=\"") + TeeXMLEscape(last ? line.chopped(1) : line) +
                  QStringLiteral("\"/>"));
            if (last) break;
        }
        FPath.Pop();
        Close(Name);
    }

    // The items of a collection up to its "end>" (or the end of the text), two blanks in
    // from the collection's element, which the caller closes. Lists and collections inside
    // an item are written as they are outside one.
    void Items() {
        FIndent += 2;
        TStringsStack items;
        String line;
        while (NextLine(line)) {
            const String upper = line.toUpper();
            const qsizetype eq = line.indexOf(u'=');
            if (eq >= 0) {
                const String name = line.left(eq).trimmed();
                const String value = line.mid(eq + 1).trimmed();
                if (value == QStringLiteral("{") || value == QStringLiteral("(") ||
                    value == QStringLiteral("<"))
                    Property(name, value);
                else
                    Value(name, value == QStringLiteral("<>") ? String() : value);
            } else if (upper == QStringLiteral("END") || upper == QStringLiteral("END>")) {
                if (items.Count() > 0) Close(items.Pop());
                if (upper == QStringLiteral("END>")) break;
            } else {
                const String item = TeeXMLName(line);
                Write(u'<' + item + u'>');
                items.Push(item);
                FIndent += 2;
            }
        }
        // Items a damaged text leaves open are closed.
        while (items.Count() > 0)
            Close(items.Pop());
    }

    QStringList FLines;
    qsizetype FNext = 0;
    QStringList FOut;
    int FIndent = 0;
    TStringsStack FPath;
    TStringsStack FObjects;
};

} // namespace

void ConvertTextToXML(TStream* Stream, bool XMLHeader) {
    Stream->SetPosition(0);
    const Int64 size = Stream->Size();
    QByteArray bytes(qsizetype(std::max<Int64>(size, 0)), Qt::Uninitialized);
    if (size > 0) Stream->ReadBuffer(bytes.data(), int(size));
    String text = String::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    const QByteArray xml =
        TTextToXML(std::move(lines)).Convert(XMLHeader).join(QStringLiteral("\r\n")).toUtf8();
    Stream->SetPosition(0);
    Stream->SetSize(0);
    if (!xml.isEmpty()) Stream->WriteBuffer(xml.constData(), int(xml.size()));
}
