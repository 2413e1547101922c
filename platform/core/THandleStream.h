#pragma once
// A stream over an open operating-system file descriptor, which it does not close.
#include "platform/core/TStream.h"

class THandleStream : public TStream {
public:
    explicit THandleStream(int AHandle) : FHandle(AHandle) {}

    String ClassName() const override { return "THandleStream"; }

    Integer Read(void* Buffer, Integer Count) override;
    Integer Write(const void* Buffer, Integer Count) override;
    Int64 Seek(Int64 Offset, Word Origin) override;
    // Raises EWriteError "Stream write error" when the file cannot be resized.
    void SetSize(Int64 NewSize) override;

    int Handle() const { return FHandle; }

protected:
    int FHandle;
};
