#pragma once
// The hook through which prepared pages would be packed in a prepared-report
// file. No packing algorithm stands behind it: it stays disabled, and a file
// is written with its page streams as they are (its first byte 0). Enabled,
// the file's first byte becomes 1 and each page goes through Compress, which
// writes nothing; such a file is refused when it is read back.
#include "platform/core/TObject.h"

class TStream;

class TrpCompressor : public TObject {
public:
    String ClassName() const override { return "TrpCompressor"; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    // Both do nothing: Out receives no byte of In.
    void Compress(TStream* In, TStream* Out);
    void DeCompress(TStream* In, TStream* Out);

private:
    bool FEnabled = false;
};

// The engine's one compressor; exists between rpInitEngine and rpDoneEngine.
extern TrpCompressor* rpCompressor;
