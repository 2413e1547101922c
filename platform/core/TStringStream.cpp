#include "platform/core/TStringStream.h"

#include <algorithm>
#include <cstring>

Integer TStringStream::Read(void* Buffer, Integer Count) {
    const Int64 available = Size() - FPosition;
    if (Count <= 0 || available <= 0) return 0;
    const auto n = static_cast<Integer>(std::min<Int64>(available, Count));
    std::memcpy(Buffer, FDataString.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

Integer TStringStream::Write(const void* Buffer, Integer Count) {
    if (Count <= 0) return 0;
    // Overwrite in place: bytes after the written range stay.
    const auto end = static_cast<size_t>(FPosition + Count);
    if (end > FDataString.size()) FDataString.resize(end);
    std::memcpy(FDataString.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition += Count;
    return Count;
}

Int64 TStringStream::Seek(Int64 Offset, Word Origin) {
    Int64 pos = FPosition;
    if (Origin == soFromBeginning)
        pos = Offset;
    else if (Origin == soFromCurrent)
        pos += Offset;
    else if (Origin == soFromEnd)
        pos = Size() + Offset;
    FPosition = std::clamp<Int64>(pos, 0, Size());
    return FPosition;
}

void TStringStream::SetSize(Int64 NewSize) {
    FDataString.resize(static_cast<size_t>(std::max<Int64>(NewSize, 0)));
    FPosition = std::min(FPosition, Size());
}

String TStringStream::ReadString(Integer Count) {
    const Int64 available = Size() - FPosition;
    const auto n = static_cast<size_t>(std::clamp<Int64>(Count, 0, std::max<Int64>(available, 0)));
    String result = FDataString.substr(static_cast<size_t>(FPosition), n);
    FPosition += static_cast<Int64>(n);
    return result;
}

void TStringStream::WriteString(const String& AString) {
    Write(AString.data(), static_cast<Integer>(AString.size()));
}
