#include "platform/print/PdfFileOutput.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SafeFileStream.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPdfWriter>

#include <algorithm>
#include <climits>

namespace print {

// Hands the writer's bytes to the stream and keeps the first failure, since the
// writer goes on as though every write had succeeded.
class StreamDevice : public QIODevice {
public:
    explicit StreamDevice(core::SafeFileStream& Stream) : FStream(Stream) { open(QIODevice::WriteOnly); }

    std::exception_ptr Failure() const { return FFailure; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* Data, qint64 Size) override {
        if (FFailure) return -1;
        try {
            for (qint64 done = 0; done < Size;) {
                const auto part = static_cast<Integer>(std::min<qint64>(Size - done, INT_MAX));
                FStream.WriteBuffer(Data + done, part);
                done += part;
            }
        } catch (...) {
            FFailure = std::current_exception();
            return -1;
        }
        return Size;
    }

private:
    core::SafeFileStream& FStream;
    std::exception_ptr FFailure;
};

PdfFileOutput::PdfFileOutput(const String& FileName, const QPageLayout& Layout, Integer Resolution,
                             const String& Title)
    : FFileName(FileName), FStream(std::make_unique<core::SafeFileStream>(FileName)),
      FDevice(std::make_unique<StreamDevice>(*FStream)),
      FWriter(std::make_unique<QPdfWriter>(FDevice.get())) {
    FWriter->setResolution(Resolution);
    FWriter->setPageLayout(Layout);
    FWriter->setTitle(QString::fromStdString(Title));
}

PdfFileOutput::~PdfFileOutput() = default;

QPagedPaintDevice* PdfFileOutput::Device() const {
    return FWriter.get();
}

void PdfFileOutput::RaiseFailure() const {
    if (const std::exception_ptr failure = FDevice->Failure()) std::rethrow_exception(failure);
}

void PdfFileOutput::NewPage(const QPageLayout& Layout) {
    RaiseFailure();
    FWriter->setPageLayout(Layout);
    FWriter->newPage();
}

void PdfFileOutput::Commit(bool Finished) {
    RaiseFailure();
    if (!Finished) throw EFCreateError("Cannot create file \"" + FFileName + "\"");
    FStream->Commit();
}

} // namespace print
