#include "platform/core/SafeFileStream.h"

#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace core {

namespace {

String Reason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "betelt a lemez";
    case EROFS:
        return "a lemez csak olvasható";
    case EACCES:
    case EPERM:
        return "nincs hozzá írási jog";
    default:
        return std::strerror(error);
    }
}

} // namespace

SafeFileStream::SafeFileStream(const String& FileName)
    : THandleStream(-1), FFileName(FileName), FFile(std::make_unique<FileReplacement>(FileName)) {
    if (!FFile->Valid()) throw EFCreateError("Cannot create file \"" + FileName + "\"");
    FHandle = FFile->Handle();
}

Integer SafeFileStream::Write(const void* Buffer, Integer Count) {
    if (FHandle < 0) Fail(EBADF);
    const auto* p = static_cast<const char*>(Buffer);
    Integer done = 0;
    while (done < Count) {
        const ssize_t n = ::write(FHandle, p + done, static_cast<size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        // A write that moves nothing without an error is a full disk too.
        if (n <= 0) Fail(n < 0 ? errno : ENOSPC);
        done += static_cast<Integer>(n);
    }
    return done;
}

void SafeFileStream::Commit() {
    if (FHandle < 0) Fail(EBADF);
    FHandle = -1;
    if (!FFile->Commit()) Fail(FFile->Error());
}

void SafeFileStream::Discard() {
    FHandle = -1;
    FFile.reset();
}

void SafeFileStream::Fail(int Error) {
    Discard();
    throw EWriteError("A(z) „" + FFileName + "” fájl nem készült el: " + Reason(Error) + ".");
}

} // namespace core
