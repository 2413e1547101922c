#include "platform/core/PropertyBlock.h"

#include "platform/core/CodePages.h"
#include "platform/core/TStream.h"

#include <algorithm>

namespace core {

namespace {
enum : Byte { vaNull = 0, vaList = 1, vaString = 6, vaLString = 12, vaNil = 13, vaCollection = 14 };
} // namespace

void PropertyBlockWriter::WritePropName(const String& Name) {
    const std::string bytes = Utf8ToCodePage(Name, GetACP());
    const auto length = static_cast<Byte>(std::min<std::size_t>(bytes.size(), 255));
    FStream->WriteByte(length);
    FStream->WriteBuffer(bytes.data(), length);
}

void PropertyBlockWriter::WriteString(const String& Text) {
    WriteStringBytes(Utf8ToCodePage(Text, GetACP()));
}

void PropertyBlockWriter::WriteStringBytes(std::string_view Bytes) {
    const auto length = static_cast<Integer>(Bytes.size());
    if (Bytes.size() <= 255) {
        FStream->WriteByte(vaString);
        FStream->WriteByte(static_cast<Byte>(length));
    } else {
        FStream->WriteByte(vaLString);
        FStream->WriteInt32(length);
    }
    FStream->WriteBuffer(Bytes.data(), length);
}

void PropertyBlockWriter::WriteNil() {
    FStream->WriteByte(vaNil);
}

void PropertyBlockWriter::WriteCollectionBegin() {
    FStream->WriteByte(vaCollection);
}

void PropertyBlockWriter::WriteListBegin() {
    FStream->WriteByte(vaList);
}

void PropertyBlockWriter::WriteListEnd() {
    FStream->WriteByte(vaNull);
}

} // namespace core
