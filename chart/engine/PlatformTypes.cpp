#include "chart/engine/PlatformTypes.h"

namespace platform::detail {

PTypeInfo TypeInfoPenStyle() {
    static const PTypeInfo info =
        MakeEnumType("TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                   "psInsideFrame", "psUserStyle", "psAlternate"});
    return info;
}

PTypeInfo TypeInfoPenMode() {
    static const PTypeInfo info =
        MakeEnumType("TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                  "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
                                  "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"});
    return info;
}

PTypeInfo TypeInfoBrushStyle() {
    static const PTypeInfo info =
        MakeEnumType("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                     "bsBDiagonal", "bsCross", "bsDiagCross"});
    return info;
}

} // namespace platform::detail
