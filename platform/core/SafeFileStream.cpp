#include "platform/core/SafeFileStream.h"

#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstring>

namespace core {

namespace {

String Reason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "betelt a lemez";
    case EFBIG:
        return "a fájl túl nagy";
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
    if (Count <= 0) return 0;
    if (!FFile->Write({static_cast<const char*>(Buffer), static_cast<size_t>(Count)})) Fail(FFile->Error());
    return Count;
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
