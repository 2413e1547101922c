#pragma once
// The binary property block of component streaming, as other programs'
// component readers read it: a property's name as a short string (length
// byte and characters), then its value as a one-byte kind and the value's
// bytes; lists and collections end with a zero byte, and so does a block.
// Texts go out in the ANSI code page (1250).
#include "platform/core/Types.h"

#include <string_view>

class TStream;

namespace core {

class PropertyBlockWriter {
public:
    explicit PropertyBlockWriter(TStream* Stream) : FStream(Stream) {}

    // The name of the property whose value follows; names longer than 255
    // bytes are cut there.
    void WritePropName(const String& Name);
    // A text: kind 6 with a length byte up to 255 bytes, else kind 12 with an
    // int32 length.
    void WriteString(const String& Text);
    // The same for bytes that are already 8-bit text (no conversion).
    void WriteStringBytes(std::string_view Bytes);
    // An object reference that holds no object (kind 13).
    void WriteNil();
    // A collection (kind 14): items follow, each opened by WriteListBegin and
    // closed by WriteListEnd, and one more WriteListEnd closes it.
    void WriteCollectionBegin();
    // Kind 1: a list of values, or an item of a collection.
    void WriteListBegin();
    // The zero byte that ends a list, a collection or the block.
    void WriteListEnd();

private:
    TStream* FStream;
};

} // namespace core
