// Feeds arbitrary text to the conversion of a chart's text form to XML. Whatever the text,
// the result must be well-formed XML: every element closed in order, every value escaped.
// (A text that is no chart may give several top-level elements; they are read inside one
// root here.)
#include "chart/export/ChartXML.h"
#include "platform/classes/Streams.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1 << 20)) return 0;
    TMemoryStream m;
    if (size) m.WriteBuffer(data, int(size));
    ConvertTextToXML(&m, (size & 1) != 0);
    QByteArray xml(static_cast<const char*>(m.Memory()), qsizetype(m.Size()));
    if (xml.startsWith("<?xml")) {
        const qsizetype end = xml.indexOf("?>");
        xml = xml.mid(end + 2);
    }
    QXmlStreamReader reader("<root>" + xml + "</root>");
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        std::fprintf(stderr, "not well-formed: %s\n%s\n", qPrintable(reader.errorString()), xml.constData());
        std::abort();
    }
    return 0;
}
