// Feeds arbitrary bytes to both map-file readers. A file they accept must hold whole curves of
// valid entries, and writing those curves again must give back the bytes they were read from.
#include "app/MapFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (TMapFileScope scope : {TMapFileScope::FirstCurve, TMapFileScope::AllCurves}) {
        std::vector<CurvePoints> curves;
        if (!ParseMapFile(data, size, scope, curves)) {
            if (!curves.empty()) std::abort();
            continue;
        }
        if (curves.empty() || curves.size() > 2) std::abort();
        for (const CurvePoints& curve : curves) {
            if (curve.size() != std::size_t(CurveLength)) std::abort();
            for (std::uint16_t entry : curve)
                if (!IsCurveEntry(entry)) std::abort();
        }
        // Past the format word the accepted bytes are exactly the curves written again.
        const std::vector<unsigned char> again = MapFileBytes(curves);
        if (again.size() > size || std::memcmp(again.data() + 2, data + 2, again.size() - 2) != 0)
            std::abort();
    }
    return 0;
}
