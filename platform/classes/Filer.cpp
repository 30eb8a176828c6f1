#include "platform/classes/Filer.h"

#include <mutex>

ORVO_IMPLEMENT_CLASS(TFiler, TObject)

TFiler::TFiler(TStream* Stream, int BufSize)
    : FStream(Stream), FBuffer(std::size_t(BufSize > 16 ? BufSize : 16)) {}

TFiler::~TFiler() = default;

namespace {
struct ExtraDefine {
    TClass Class;
    platform::detail::DefinePropertiesFn Fn;
};
std::mutex& defineLock() {
    static std::mutex m;
    return m;
}
std::vector<ExtraDefine>& extraDefines() {
    static std::vector<ExtraDefine> v;
    return v;
}
} // namespace

void platform::detail::RegisterDefineProperties(TClass cls, DefinePropertiesFn fn) {
    std::lock_guard lock(defineLock());
    for (const auto& e : extraDefines())
        if (e.Class == cls && e.Fn == fn) return;
    extraDefines().push_back({cls, fn});
}

void TFiler::CallDefineProperties(TPersistent* Instance) {
    std::vector<ExtraDefine> extras;
    {
        std::lock_guard lock(defineLock());
        extras = extraDefines();
    }
    for (const auto& e : extras)
        if (Instance->InheritsFrom(e.Class)) e.Fn(Instance, this);
    Instance->DefineProperties(this);
}
