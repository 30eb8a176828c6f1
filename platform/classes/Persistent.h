// TPersistent: objects that can be assigned to one another and streamed.
#pragma once

#include "platform/classes/Object.h"

class TFiler;

class TPersistent : public TObject {
    ORVO_CLASS(TPersistent, TObject)
public:
    // Copies Source into this object; a class that does not know Source asks
    // Source->AssignTo(this), whose base raises EConvertError.
    virtual void Assign(TPersistent* Source);
    virtual String GetNamePath() const;
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* Dest);
    // Streams properties that are not published (see the component streaming).
    virtual void DefineProperties(TFiler* Filer);
    friend class TFiler;
    friend class TWriter;
    friend class TReader;
};
