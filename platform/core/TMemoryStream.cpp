#include "platform/core/TMemoryStream.h"

#include "platform/core/Exceptions.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/SafeFileStream.h"
#include "platform/core/TFileStream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace {

[[noreturn]] void ExpandError() {
    throw EStreamError(SMemoryStreamError);
}

} // namespace

Integer TMemoryStream::Read(void* Buffer, Integer Count) {
    if (FPosition < 0 || Count <= 0) return 0;
    const Int64 available = Size() - FPosition;
    if (available <= 0) return 0;
    const auto n = static_cast<Integer>(std::min<Int64>(available, Count));
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count) {
    if (FPosition < 0 || Count <= 0) return 0;
    const Int64 end = FPosition + Count;
    // Appending, the usual case (records written field by field), copies once
    // instead of growing with zeros first.
    if (FPosition == Size() && end <= std::numeric_limits<Integer>::max()) {
        const auto* bytes = static_cast<const Byte*>(Buffer);
        try {
            FData.insert(FData.end(), bytes, bytes + Count);
        } catch (const std::bad_alloc&) {
            ExpandError();
        } catch (const std::length_error&) {
            ExpandError();
        }
        FPosition = end;
        return Count;
    }
    if (end > Size()) SetSize(end);
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition = end;
    return Count;
}

Int64 TMemoryStream::Seek(Int64 Offset, Word Origin) {
    switch (Origin) {
    case soFromBeginning:
        FPosition = Offset;
        break;
    case soFromCurrent:
        FPosition += Offset;
        break;
    case soFromEnd:
        FPosition = Size() + Offset;
        break;
    default:
        break;
    }
    return FPosition;
}

void TMemoryStream::SetSize(Int64 NewSize) {
    if (NewSize < 0 || static_cast<std::uint64_t>(NewSize) > FData.max_size() ||
        NewSize > std::numeric_limits<Integer>::max())
        ExpandError();
    try {
        FData.resize(static_cast<size_t>(NewSize));
    } catch (const std::bad_alloc&) {
        ExpandError();
    }
    if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    Stream->SetPosition(0);
    const Int64 count = Stream->Size();
    SetSize(count);
    if (count != 0) Stream->ReadBuffer(FData.data(), static_cast<Integer>(count));
}

void TMemoryStream::LoadFromFile(const String& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TMemoryStream::SaveToStream(TStream* Stream) {
    if (!FData.empty()) Stream->WriteBuffer(FData.data(), static_cast<Integer>(FData.size()));
}

void TMemoryStream::SaveToFile(const String& FileName) {
    core::SafeFileStream stream(FileName);
    SaveToStream(&stream);
    stream.Commit();
}
