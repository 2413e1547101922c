#include "platform/core/THandleStream.h"

#include "platform/core/Exceptions.h"
#include "platform/core/RtlConsts.h"

#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

Integer THandleStream::Read(void* Buffer, Integer Count)
{
    // The kernel may hand back less than asked; keep going to the end or an error.
    Integer total = 0;
    auto* p = static_cast<char*>(Buffer);
    while (total < Count) {
        const ssize_t n = ::read(FHandle, p + total, static_cast<size_t>(Count - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += static_cast<Integer>(n);
    }
    return total;
}

Integer THandleStream::Write(const void* Buffer, Integer Count)
{
    Integer total = 0;
    const auto* p = static_cast<const char*>(Buffer);
    while (total < Count) {
        const ssize_t n = ::write(FHandle, p + total, static_cast<size_t>(Count - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += static_cast<Integer>(n);
    }
    return total;
}

Int64 THandleStream::Seek(Int64 Offset, Word Origin)
{
    int whence = SEEK_SET;
    if (Origin == soFromCurrent)
        whence = SEEK_CUR;
    else if (Origin == soFromEnd)
        whence = SEEK_END;
    return static_cast<Int64>(::lseek(FHandle, static_cast<off_t>(Offset), whence));
}

void THandleStream::SetSize(Int64 NewSize)
{
    const Int64 pos = Position();
    if (NewSize < 0 || ::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0)
        throw EWriteError(SWriteError);
    if (pos > NewSize)
        Seek(NewSize, soFromBeginning);
}
