#pragma once
// Objects that can copy their state from one another and be streamed.
#include "platform/core/TObject.h"

class TFiler;

class TPersistent : public TObject {
public:
    String ClassName() const override { return "TPersistent"; }

    // Copies Source's state into this object. The default asks Source to AssignTo
    // this; raises EConvertError "Cannot assign a <source> to a <this>" when neither
    // side knows how (a null Source reads "nil").
    virtual void Assign(TPersistent* Source);

    // Dotted path used in stream and designer messages; the owner's path, if any,
    // then this class name.
    virtual String GetNamePath() const;

    // The object whose property this one is (a collection's owner, an item's collection).
    virtual TPersistent* GetOwner() const { return nullptr; }

    // Lets a class store data that is not a plain property (binary blobs, lists).
    virtual void DefineProperties(TFiler* Filer) {}

protected:
    // Counterpart of Assign: copies this object into Dest. Raises the same error.
    virtual void AssignTo(TPersistent* Dest);

private:
    void AssignError(TPersistent* Source);
};
