// An object of the list tests that counts its destructions, so that a test can tell which
// items a list freed.
#pragma once

#include "platform/classes/Object.h"

class TCounted : public TObject {
    ORVO_CLASS(TCounted, TObject)
public:
    explicit TCounted(int* deaths) : deaths_(deaths) {}
    ~TCounted() override { ++*deaths_; }

private:
    int* deaths_;
};
