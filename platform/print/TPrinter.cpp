#include "platform/print/TPrinter.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

const char* const PdfPrinterName = "PDF";

namespace print {

// One selected printer: the Qt printer with the paper code it was given (Qt
// knows no code for a custom size, so the code is kept beside it).
class PrinterDevice {
public:
    explicit PrinterDevice(const String& name) {
        if (name == PdfPrinterName) {
            Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            Printer->setOutputFormat(QPrinter::PdfFormat);
            Printer->setResolution(600);
            // A file has no unprintable border.
            Printer->setFullPage(true);
            IsFile = true;
        } else {
            Printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(QString::fromStdString(name)),
                                                 QPrinter::HighResolution);
            Info = QPrinterInfo::printerInfo(QString::fromStdString(name));
        }
        const Integer code = Printer->pageLayout().pageSize().windowsId();
        PaperCode = code > 0 ? code : 9;
        if (code <= 0) Printer->setPageSize(QPageSize(QPageSize::A4));
    }

    std::unique_ptr<QPrinter> Printer;
    // Open while a document prints.
    std::unique_ptr<QPainter> Painter;
    QPrinterInfo Info;
    bool IsFile = false;
    Integer PaperCode = 9;
    Integer Copies = 1;
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

TPrinter::TPrinter() {
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        FPrinters.push_back(name.toStdString());
    const String defaultName = QPrinterInfo::defaultPrinterName().toStdString();
    const auto found = std::find(FPrinters.begin(), FPrinters.end(), defaultName);
    FPrinters.push_back(PdfPrinterName);
    FIndex = found != FPrinters.end() && !defaultName.empty() ? Integer(found - FPrinters.begin()) : 0;
    Select();
}

TPrinter::TPrinter(std::vector<String> Names, Integer Index) : FPrinters(std::move(Names)), FIndex(Index) {}

TPrinter::~TPrinter() {
    // A subclass's device is gone by now: only the system devices end their document here.
    if (FPrinting && FDevice) Abort();
}

void TPrinter::Select() {
    FDevice = std::make_unique<print::PrinterDevice>(FPrinters[static_cast<std::size_t>(FIndex)]);
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

bool TPrinter::IsFilePrinter() const {
    return FDevice->IsFile;
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
    const QList<QPageSize> offered =
        FDevice->IsFile ? QList<QPageSize>() : FDevice->Info.supportedPageSizes();
    auto add = [&](const QPageSize& size) {
        const int code = size.windowsId();
        if (code > 0 && code < 65536) list.push_back({static_cast<Word>(code), size.name().toStdString()});
    };
    if (FDevice->IsFile)
        for (const QPageSize& size : FileSizes())
            add(size);
    for (const QPageSize& size : offered)
        add(size);
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
    QPrinter* p = FDevice->Printer.get();
    p->setDocName(ToQ(Title));
    p->setCopyCount(std::max(1, Copies));
    if (FDevice->IsFile) p->setOutputFileName(ToQ(FOutputFileName));
    if (FDevice->IsFile && FOutputFileName.empty()) throw EPrinter("Printer selected is not valid");
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(p)) throw EPrinter("Printer selected is not valid");
    FDevice->Painter = std::move(painter);
    return PageCanvas(FDevice->Painter.get(), TSize(PageWidth(), PageHeight()), p->resolution());
}

void TPrinter::StartPage(std::unique_ptr<TCanvas>& Canvas) {
    FDevice->Printer->newPage();
    // A paper set since the last sheet gives this one another size.
    const TSize size(PageWidth(), PageHeight());
    if (!Canvas || Canvas->Backend()->Size() != size)
        Canvas = PageCanvas(FDevice->Painter.get(), size, FDevice->Printer->resolution());
}

void TPrinter::FinishDocument() {
    FDevice->Painter->end();
    FDevice->Painter.reset();
}

void TPrinter::AbortDocument() {
    FDevice->Printer->abort();
    if (FDevice->Painter->isActive()) FDevice->Painter->end();
    FDevice->Painter.reset();
}

bool TPrinter::RunSetupDialog() {
    QPageSetupDialog dialog(FDevice->Printer.get());
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
    StartPage(FCanvas);
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
