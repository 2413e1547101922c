#pragma once
// A compound document (the structured-storage container format, version 3 with
// 512-byte sectors) holding streams in its root storage, built in memory and
// written as one file. Streams under 4,096 bytes live in the mini stream.
#include "platform/core/Exceptions.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Structured-storage result codes the writer reports.
constexpr std::uint32_t STG_E_FILENOTFOUND = 0x80030002;
constexpr std::uint32_t STG_E_PATHNOTFOUND = 0x80030003;
constexpr std::uint32_t STG_E_ACCESSDENIED = 0x80030005;
constexpr std::uint32_t STG_E_INVALIDNAME = 0x800300FC;
constexpr std::uint32_t STG_E_WRITEFAULT = 0x8003001D;
constexpr std::uint32_t STG_E_MEDIUMFULL = 0x80030070;
constexpr std::uint32_t STG_E_DOCFILETOOLARGE = 0x80030111;

// A failure of the structured-storage layer, with its result code.
class EOleSysError : public Exception {
public:
    EOleSysError(String Message, std::uint32_t ErrorCode)
        : Exception(std::move(Message)), FErrorCode(ErrorCode) {}
    std::uint32_t ErrorCode() const { return FErrorCode; }

private:
    std::uint32_t FErrorCode;
};

namespace core {

class FileReplacement;

struct CompoundStream {
    String Name;      // at most 31 characters
    std::string Data; // the stream's bytes
};

// The container's bytes: header, allocation tables, directory (the root entry
// and one entry per stream), mini stream and sectors. Raises EOleSysError
// STG_E_INVALIDNAME for a name of more than 31 characters and
// STG_E_DOCFILETOOLARGE past what a header-only allocation table addresses.
std::string BuildCompoundFile(const std::vector<CompoundStream>& Streams);

// A compound file being written: the constructor makes the temporary file the
// container goes to (see FileReplacement), so a name that cannot be written
// fails before anything else happens, while an existing file stays untouched;
// Commit writes the container and puts it in place of the file. A writer that
// fails or ends without Commit leaves the earlier file as it was. Raises
// EOleSysError with STG_E_PATHNOTFOUND (no such folder; no folder is made),
// STG_E_ACCESSDENIED, STG_E_FILENOTFOUND, STG_E_WRITEFAULT or STG_E_MEDIUMFULL.
class CompoundFileWriter {
public:
    explicit CompoundFileWriter(const String& FileName);
    ~CompoundFileWriter();
    CompoundFileWriter(const CompoundFileWriter&) = delete;
    CompoundFileWriter& operator=(const CompoundFileWriter&) = delete;

    // A new stream in the root storage; its bytes are appended through the reference
    // (which stays valid until Commit).
    std::string& CreateStream(const String& Name);
    // Writes the container and puts it in place.
    void Commit();

private:
    String FFileName;
    std::unique_ptr<FileReplacement> FFile;
    std::deque<CompoundStream> FStreams;
};

} // namespace core
