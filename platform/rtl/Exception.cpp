#include "platform/rtl/Exception.h"

Exception::Exception(const String& msg) : Message(msg) {}
Exception::~Exception() = default;

const char* Exception::what() const noexcept {
    what_ = Message.toStdString();
    return what_.c_str();
}

void Abort() {
    throw EAbort::CreateRes(&SOperationAborted);
}
