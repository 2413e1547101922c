// Feeds arbitrary bytes to the block decompressor and the compressed-stream
// reader: each must expand or raise its own error, never read or write out of bounds.
#include "controls/common/UtlLZRW.h"
#include "platform/core/TMemoryStream.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size <= UtlLZRWMaxSource + 1) {
        std::vector<Byte> block(Data, Data + Size), out(UtlLZRWMaxSource);
        try {
            UtlLZRWDecompress(block.data(), out.data(), Word(Size));
        } catch (const EUtlCompressError&) {
        }
    }
    TMemoryStream source, dest;
    if (Size > 0) source.WriteBuffer(Data, Integer(Size));
    source.SetPosition(0);
    try {
        LoadCompressedStream(&source, &dest);
    } catch (const EStreamError&) {
    }
    return 0;
}
