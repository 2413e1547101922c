#pragma once
// The file printer's document: a PDF drawn page by page into a file that
// replaces its target only when the document is complete and wholly written.
#include "platform/core/Types.h"

#include <exception>
#include <memory>

class QPageLayout;
class QPagedPaintDevice;
class QPdfWriter;

namespace core {
class SafeFileStream;
}

namespace print {

class StreamDevice;

// Every byte the PDF writer produces goes through a core::SafeFileStream, whose
// failures the writer itself would not notice: the first one is kept, later
// bytes are refused, and the failure is raised at the next page or at Commit.
// Until Commit the target file stays as it was; destroyed without Commit, the
// output leaves nothing behind.
class PdfFileOutput {
public:
    // Raises EFCreateError "Cannot create file "<name>"" when the folder takes
    // no file. Layout gives the first page's paper; Resolution is in dots per inch.
    PdfFileOutput(const String& FileName, const QPageLayout& Layout, Integer Resolution, const String& Title);
    ~PdfFileOutput();
    PdfFileOutput(const PdfFileOutput&) = delete;
    PdfFileOutput& operator=(const PdfFileOutput&) = delete;

    // What the pages are painted on.
    QPagedPaintDevice* Device() const;
    // Starts the next page on Layout's paper; raises the stream's EWriteError
    // (in Hungarian, naming the file and the cause) when a write has failed.
    void NewPage(const QPageLayout& Layout);
    // Call once the painter has ended, Finished when it ended well: raises as
    // NewPage does, then EFCreateError "Cannot create file "<name>"" when not
    // Finished; else makes the document the target's content (raising
    // EWriteError when that fails).
    void Commit(bool Finished);

private:
    void RaiseFailure() const;

    // In this order, so the writer goes before the device it writes to, and the
    // device before its stream.
    String FFileName;
    std::unique_ptr<core::SafeFileStream> FStream;
    std::unique_ptr<StreamDevice> FDevice;
    std::unique_ptr<QPdfWriter> FWriter;
};

} // namespace print
