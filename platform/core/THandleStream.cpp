#include "platform/core/THandleStream.h"

#include "platform/core/Exceptions.h"
#include "platform/core/RtlConsts.h"

#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

namespace {

// The kernel may move less than asked; keep going to the end or an error.
template <typename Byte, typename Op> Integer TransferAll(Byte* p, Integer count, Op op) {
    Integer total = 0;
    while (total < count) {
        const ssize_t n = op(p + total, static_cast<size_t>(count - total));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += static_cast<Integer>(n);
    }
    return total;
}

} // namespace

Integer THandleStream::Read(void* Buffer, Integer Count) {
    return TransferAll(static_cast<char*>(Buffer), Count,
                       [this](char* p, size_t n) { return ::read(FHandle, p, n); });
}

Integer THandleStream::Write(const void* Buffer, Integer Count) {
    return TransferAll(static_cast<const char*>(Buffer), Count,
                       [this](const char* p, size_t n) { return ::write(FHandle, p, n); });
}

Int64 THandleStream::Seek(Int64 Offset, Word Origin) {
    int whence = SEEK_SET;
    if (Origin == soFromCurrent)
        whence = SEEK_CUR;
    else if (Origin == soFromEnd)
        whence = SEEK_END;
    return static_cast<Int64>(::lseek(FHandle, static_cast<off_t>(Offset), whence));
}

void THandleStream::SetSize(Int64 NewSize) {
    const Int64 pos = Position();
    if (NewSize < 0 || ::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0) throw EWriteError(SWriteError);
    if (pos > NewSize) Seek(NewSize, soFromBeginning);
}
