#pragma once
// A stream over a file written whole: what it writes replaces the target only
// once it is complete, so a full disk, a failing writer or a crash never leaves
// half a file where the previous one was.
#include "platform/core/AtomicFile.h"
#include "platform/core/THandleStream.h"

#include <memory>

namespace core {

// Contract (that of FileReplacement, as a stream): the bytes go to a temporary
// file in the target's own folder; Commit syncs them to disk (fsync), renames
// the temporary over the target and syncs the folder; until then the target is
// untouched. A failed Commit, Discard, or destruction without Commit removes
// the temporary and leaves the target as it was. Failures raise, naming the
// file and the cause in Hungarian (a full disk among them).
class SafeFileStream : public THandleStream {
public:
    // Raises EFCreateError "Cannot create file "<name>"" when the temporary
    // cannot be made (a missing or read-only folder).
    explicit SafeFileStream(const String& FileName);

    String ClassName() const override { return "SafeFileStream"; }
    // Writes all of Count or raises EWriteError; the target stays as it was.
    Integer Write(const void* Buffer, Integer Count) override;

    // Makes the written bytes the target's content; raises EWriteError when they
    // cannot be made durable or put in place.
    void Commit();
    // Drops what was written; the target stays as it was.
    void Discard();

private:
    [[noreturn]] void Fail(int Error);

    String FFileName;
    // Owns the descriptor the stream writes through; null once discarded.
    std::unique_ptr<FileReplacement> FFile;
};

} // namespace core
