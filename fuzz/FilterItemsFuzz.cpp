// Feeds arbitrary bytes to the reader of a picture's "FilterItems" value: the filter
// list of a chart file. Malformed input may only raise a filer or property error; the
// list's update bracket is closed either way.
#include "chart/engine/pictures/TeePicture.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1 << 16)) return 0;
    TMemoryStream in;
    in.WriteBuffer(data, int(size));
    in.SetPosition(0);
    TTeePicture picture;
    try {
        TReader reader(&in, 64);
        TTeePicture::ReadFilters(&reader, picture.Filters());
    } catch (const EFilerError&) {
    } catch (const EPropertyError&) {
    }
    if (picture.Filters()->UpdateCount() != 0) std::abort();
    return 0;
}
