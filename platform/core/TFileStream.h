#pragma once
// A stream over a named file. Windows paths (backslashes) are accepted.
#include "platform/core/THandleStream.h"

// Open modes; a share mode may be or-ed in and is accepted without effect.
enum : Word {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFFFF
};

class TFileStream : public THandleStream {
public:
    // fmCreate creates or truncates the file (raising EFCreateError
    // "Cannot create file "<name>""); the open modes require it to exist
    // (raising EFOpenError "Cannot open file "<name>"").
    TFileStream(const String& AFileName, Word Mode);
    ~TFileStream() override;

    String ClassName() const override { return "TFileStream"; }
    const String& FileName() const { return FFileName; }

private:
    String FFileName;
};
