#include "platform/core/TFileStream.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int OpenFile(const String& fileName, Word mode) {
    const String path = NormalizePath(fileName);
    if (mode == fmCreate) return ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    int flags = O_RDONLY;
    if ((mode & 3) == fmOpenWrite)
        flags = O_WRONLY;
    else if ((mode & 3) == fmOpenReadWrite)
        flags = O_RDWR;
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return fd;
    // A folder opens for reading on Linux but is no file to stream.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TFileStream::TFileStream(const String& AFileName, Word Mode)
    : THandleStream(OpenFile(AFileName, Mode)), FFileName(AFileName) {
    if (FHandle >= 0) return;
    if (Mode == fmCreate) throw EFCreateError("Cannot create file \"" + AFileName + "\"");
    throw EFOpenError("Cannot open file \"" + AFileName + "\"");
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}
