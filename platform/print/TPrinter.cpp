#include "platform/print/TPrinter.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/print/PdfFileOutput.h"
#include "platform/print/Spooler.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>

const char* const FilePrinterName = "Mentés PDF-fájlba";

namespace {

// Whether the PDF file ends with its trailer, the last thing a writer puts in it.
bool CompletePdf(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    file.seek(std::max<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

} // namespace

namespace print {

// One selected printer: the Qt printer that gives the papers, margins and
// resolution, with the paper code it was given (Qt knows no code for a custom
// size, so the code is kept beside it), and the document while one prints.
// Every document is drawn as PDF: the file printer's through a stream that
// replaces its target once complete, a queue's into a temporary file for the spooler.
class PrinterDevice {
public:
    PrinterDevice(const String& name, bool isFile, bool described) : Name(name), IsFile(isFile) {
        // Without a queue's description the printer writes plain PDF (a null
        // description keeps Qt from asking the spooler for its default).
        if (!isFile && described) Info = QPrinterInfo::printerInfo(QString::fromStdString(name));
        Printer = std::make_unique<QPrinter>(Info, QPrinter::HighResolution);
        if (Info.isNull()) {
            Printer->setOutputFormat(QPrinter::PdfFormat);
            Printer->setResolution(600);
        }
        // A file has no unprintable border.
        if (isFile) Printer->setFullPage(true);
        const Integer code = Printer->pageLayout().pageSize().windowsId();
        PaperCode = code > 0 ? code : 9;
        if (code <= 0) Printer->setPageSize(QPageSize(QPageSize::A4));
    }

    // What the pages of the open document are painted on.
    QPagedPaintDevice* Target() const {
        if (Output) return Output->Device();
        return Job.get();
    }

    String Name;
    bool IsFile = false;
    std::unique_ptr<QPrinter> Printer;
    QPrinterInfo Info;
    Integer PaperCode = 9;
    Integer Copies = 1;
    // Open while a document prints.
    std::unique_ptr<QPainter> Painter;
    // A queue's document: its PDF printer and its file.
    std::unique_ptr<QPrinter> Job;
    std::unique_ptr<QTemporaryFile> Spool;
    // The file printer's document, until it replaces the target.
    std::unique_ptr<PdfFileOutput> Output;
};

} // namespace print

namespace {

QString ToQ(const String& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Integer Rounded(double v) {
    return static_cast<Integer>(std::lround(v));
}

// The canvas of a sheet: its font measures points at the device's resolution.
std::unique_ptr<TCanvas> PageCanvas(QPainter* painter, TSize size, Integer dpi) {
    auto canvas = std::make_unique<TCanvas>(std::make_unique<graphics::QtCanvasBackend>(painter, size, dpi));
    TFont* font = canvas->Font();
    const Integer points = font->Size();
    font->SetPixelsPerInch(dpi);
    font->SetSize(points);
    return canvas;
}

// The standard paper sizes offered by the file printer: every Windows paper
// number from 1 to 118 that Qt knows.
std::vector<QPageSize> FileSizes() {
    std::vector<QPageSize> sizes;
    for (int code = 1; code <= 118; ++code) {
        const QPageSize::PageSizeId id = QPageSize::id(code);
        if (id != QPageSize::Custom && QPageSize::windowsId(id) == code) sizes.emplace_back(id);
    }
    return sizes;
}

} // namespace

TPrinter::TPrinter() : FSpooler(&print::CurrentSpooler()) {
    const print::QueueList queues = FSpooler->Queues();
    FPrinters = queues.Names;
    FPrinters.push_back(FilePrinterName);
    // The default is found in the finished list, by its place among the queues.
    for (std::size_t i = 0; i + 1 < FPrinters.size(); ++i)
        if (!queues.Default.empty() && FPrinters[i] == queues.Default) FIndex = Integer(i);
    Select();
}

TPrinter::TPrinter(std::vector<String> Names, Integer Index)
    : FPrinters(std::move(Names)), FIndex(Index), FSpooler(&print::CurrentSpooler()) {}

TPrinter::~TPrinter() {
    // A subclass's device is gone by now: only the system devices end their document here.
    if (FPrinting && FDevice) Abort();
}

void TPrinter::Select() {
    FDevice = std::make_unique<print::PrinterDevice>(FPrinters[static_cast<std::size_t>(FIndex)],
                                                     IsFilePrinter(), FSpooler->DescribesQueues());
}

void TPrinter::SetPrinterIndex(Integer Value) {
    if (FPrinting) throw EPrinter("Printing in progress");
    if (Value < 0 || Value >= Integer(FPrinters.size())) throw EPrinter("Printer index out of range");
    FIndex = Value;
    Select();
}

void TPrinter::GetDeviceMode(TDeviceMode& Mode) const {
    const QPageLayout layout = FDevice->Printer->pageLayout();
    Mode.Fields = dmOrientation | dmPaperSize | dmPaperLength | dmPaperWidth | dmCopies;
    Mode.Orientation =
        layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    Mode.PaperSize = FDevice->PaperCode;
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    Mode.PaperWidth = Rounded(mm.width() * 10);
    Mode.PaperLength = Rounded(mm.height() * 10);
    Mode.Copies = FDevice->Copies;
}

void TPrinter::SetDeviceMode(const TDeviceMode& Mode) {
    QPrinter* p = FDevice->Printer.get();
    if (Mode.Fields & dmPaperSize) {
        if (Mode.PaperSize == DMPAPER_USER) {
            if ((Mode.Fields & (dmPaperLength | dmPaperWidth)) && Mode.PaperWidth > 0 &&
                Mode.PaperLength > 0) {
                p->setPageSize(QPageSize(QSizeF(Mode.PaperWidth / 10.0, Mode.PaperLength / 10.0),
                                         QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
                FDevice->PaperCode = DMPAPER_USER;
            }
        } else {
            const QPageSize::PageSizeId id = QPageSize::id(Mode.PaperSize);
            if (id != QPageSize::Custom) {
                p->setPageSize(QPageSize(id));
                FDevice->PaperCode = Mode.PaperSize;
            }
        }
    }
    if (Mode.Fields & dmOrientation)
        p->setPageOrientation(Mode.Orientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
    if (Mode.Fields & dmCopies) FDevice->Copies = std::max(1, Mode.Copies);
}

std::vector<TPaperInfo> TPrinter::PaperSizes() const {
    std::vector<TPaperInfo> list;
    // A printer that names no papers of its own (the file printer) offers the standard ones.
    QList<QPageSize> offered =
        FDevice->Info.isNull() ? QList<QPageSize>() : FDevice->Info.supportedPageSizes();
    if (offered.isEmpty())
        for (const QPageSize& size : FileSizes())
            offered.append(size);
    for (const QPageSize& size : offered) {
        const int code = size.windowsId();
        if (code > 0 && code < 65536) list.push_back({static_cast<Word>(code), size.name().toStdString()});
    }
    return list;
}

Integer TPrinter::PixelsPerInchX() const {
    return FDevice->Printer->resolution();
}

Integer TPrinter::PixelsPerInchY() const {
    return FDevice->Printer->resolution();
}

TSize TPrinter::PhysicalSize() const {
    const QRectF paper = FDevice->Printer->paperRect(QPrinter::DevicePixel);
    return TSize(Rounded(paper.width()), Rounded(paper.height()));
}

TPoint TPrinter::PhysicalOffset() const {
    const QRectF paper = FDevice->Printer->paperRect(QPrinter::DevicePixel);
    const QRectF page = FDevice->Printer->pageRect(QPrinter::DevicePixel);
    return TPoint(Rounded(page.left() - paper.left()), Rounded(page.top() - paper.top()));
}

Integer TPrinter::PageWidth() const {
    return Rounded(FDevice->Printer->pageRect(QPrinter::DevicePixel).width());
}

Integer TPrinter::PageHeight() const {
    return Rounded(FDevice->Printer->pageRect(QPrinter::DevicePixel).height());
}

std::unique_ptr<TCanvas> TPrinter::StartDocument() {
    print::PrinterDevice& d = *FDevice;
    QPrinter* p = d.Printer.get();
    p->setDocName(ToQ(Title));
    if (d.IsFile) {
        if (FOutputFileName.empty()) throw EPrinter("Printer selected is not valid");
        d.Output =
            std::make_unique<print::PdfFileOutput>(FOutputFileName, p->pageLayout(), p->resolution(), Title);
    } else {
        // The queue's paper, margins and resolution, drawn as PDF for the spooler.
        auto spool = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/velmora-print-XXXXXX.pdf");
        if (!spool->open()) throw EPrinter("Printer selected is not valid");
        auto job = std::make_unique<QPrinter>(QPrinterInfo(), QPrinter::HighResolution);
        job->setResolution(p->resolution());
        job->setFullPage(p->fullPage());
        job->setPageLayout(p->pageLayout());
        job->setDocName(p->docName());
        job->setOutputFileName(spool->fileName());
        d.Spool = std::move(spool);
        d.Job = std::move(job);
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(d.Target())) {
        DropDocument();
        throw EPrinter("Printer selected is not valid");
    }
    d.Painter = std::move(painter);
    return PageCanvas(d.Painter.get(), TSize(PageWidth(), PageHeight()), p->resolution());
}

void TPrinter::StartPage(std::unique_ptr<TCanvas>& Canvas) {
    print::PrinterDevice& d = *FDevice;
    // The file's next sheet takes the paper set since the last one.
    if (d.Output)
        d.Output->NewPage(d.Printer->pageLayout());
    else
        d.Job->newPage();
    // A paper set since the last sheet gives this one another size.
    const TSize size(PageWidth(), PageHeight());
    if (!Canvas || Canvas->Backend()->Size() != size)
        Canvas = PageCanvas(d.Painter.get(), size, d.Printer->resolution());
}

void TPrinter::FinishDocument() {
    print::PrinterDevice& d = *FDevice;
    // Whatever happens below, no temporary file outlives the document.
    core::ScopeExit drop([this] { DropDocument(); });
    const bool written = d.Painter->end();
    if (d.IsFile) {
        d.Output->Commit(written);
        return;
    }
    // The toolkit's writer reports success though a write failed (a full temporary
    // folder): a spool file without its closing trailer never goes to the queue.
    const String reason =
        written && CompletePdf(d.Spool->fileName())
            ? FSpooler->Submit(d.Name, d.Spool->fileName().toStdString(), Title, std::max(1, Copies),
                               d.Printer->pageLayout().pageSize().key().toStdString())
            : String("the document could not be written");
    if (!reason.empty())
        throw EPrinter("A(z) " + d.Name +
                       " nyomtató nem fogadta el a nyomtatást, semmi sem került kinyomtatásra.\n(" + reason +
                       ")");
}

void TPrinter::AbortDocument() {
    if (FDevice->Job) FDevice->Job->abort();
    if (FDevice->Painter->isActive()) FDevice->Painter->end();
    DropDocument();
}

void TPrinter::DropDocument() {
    print::PrinterDevice& d = *FDevice;
    d.Painter.reset();
    d.Job.reset();
    d.Spool.reset();
    d.Output.reset();
}

bool TPrinter::RunSetupDialog() {
    QPageSetupDialog dialog(FDevice->Printer.get());
    // The dialog's paper preview writes in a quarter of the application font's
    // point size, which a font set in pixels lacks: while the dialog is up the
    // application font is the same font given in points.
    const QFont appFont = QApplication::font();
    core::ScopeExit restoreFont([&] {
        if (QApplication::font() != appFont) QApplication::setFont(appFont);
    });
    if (appFont.pointSizeF() <= 0 && appFont.pixelSize() > 0) {
        QFont inPoints = appFont;
        inPoints.setPointSizeF(appFont.pixelSize() * 72.0 / dialog.logicalDpiY());
        QApplication::setFont(inPoints);
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    const Integer code = FDevice->Printer->pageLayout().pageSize().windowsId();
    FDevice->PaperCode = code > 0 ? code : DMPAPER_USER;
    return true;
}

void TPrinter::BeginDoc() {
    if (FPrinting) throw EPrinter("Printing in progress");
    FCanvas = StartDocument();
    FPrinting = true;
    FAborted = false;
}

void TPrinter::NewPage() {
    if (!FPrinting) throw EPrinter("Printer is not currently printing");
    try {
        StartPage(FCanvas);
    } catch (...) {
        // A document that cannot go on is dropped whole.
        Abort();
        throw;
    }
}

void TPrinter::EndDoc() {
    if (!FPrinting) throw EPrinter("Printer is not currently printing");
    FPrinting = false;
    // The canvas holds no device of its own: it goes once the device is done with the sheet.
    core::ScopeExit drop([this] { FCanvas.reset(); });
    FinishDocument();
}

void TPrinter::Abort() {
    if (!FPrinting) return;
    FPrinting = false;
    FAborted = true;
    core::ScopeExit drop([this] { FCanvas.reset(); });
    AbortDocument();
}

namespace {

TPrinter* installed = nullptr;

} // namespace

TPrinter* SetPrinter(TPrinter* NewPrinter) {
    TPrinter* old = installed;
    installed = NewPrinter;
    return old;
}

TPrinter* Printer() {
    if (installed) return installed;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    static TPrinter printer;
    return &printer;
}
