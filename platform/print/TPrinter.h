#pragma once
// TPrinter: the printers of the system and one file printer ("PDF") that
// writes a PDF document, with the device-mode figures a report lays out by:
// paper code (the Windows paper numbers, 256 = custom), orientation, the
// physical paper and the printable area in device pixels. Qt's printer
// support is underneath; nothing of it shows here.
#include "platform/core/TObject.h"
#include "platform/graphics/TRect.h"

#include <memory>
#include <vector>

class TCanvas;

namespace print {
class PrinterDevice;
}

// Device-mode fields a caller may set (the dmFields bits it names).
enum : Cardinal {
    dmOrientation = 0x1,
    dmPaperSize = 0x2,
    dmPaperLength = 0x4,
    dmPaperWidth = 0x8,
    dmCopies = 0x100
};
// Device-mode orientation values.
enum : Integer { DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2 };
// The Windows paper number of a custom size.
constexpr Integer DMPAPER_USER = 256;

struct TDeviceMode {
    // Which of the fields below the printer carries (dm… bits).
    Cardinal Fields = 0;
    Integer Orientation = DMORIENT_PORTRAIT;
    Integer PaperSize = 9;
    // Custom paper in tenths of a millimetre.
    Integer PaperLength = 0;
    Integer PaperWidth = 0;
    Integer Copies = 1;
};

struct TPaperInfo {
    Word Code = 0;
    String Name;
};

class TPrinter : public TObject {
public:
    TPrinter();
    ~TPrinter() override;
    String ClassName() const override { return "TPrinter"; }

    // The system's printers, then "PDF".
    const std::vector<String>& Printers() const { return FPrinters; }
    Integer PrinterIndex() const { return FIndex; }
    // Raises EPrinter "Printer index out of range" outside the list; refused while printing.
    void SetPrinterIndex(Integer Value);
    // The file the PDF printer writes.
    String OutputFileName() const { return FOutputFileName; }
    void SetOutputFileName(const String& Value) { FOutputFileName = Value; }

    void GetDeviceMode(TDeviceMode& Mode) const;
    // Applies the fields Mode carries to the selected printer.
    void SetDeviceMode(const TDeviceMode& Mode);
    // The paper sizes the selected printer offers.
    std::vector<TPaperInfo> PaperSizes() const;

    // Device figures of the selected printer: pixels per inch, the physical
    // paper, its unprintable offsets and the printable area.
    Integer PixelsPerInchX() const;
    Integer PixelsPerInchY() const;
    TSize PhysicalSize() const;
    TPoint PhysicalOffset() const;
    Integer PageWidth() const;
    Integer PageHeight() const;

    String Title;
    Integer Copies = 1;
    // Starts a document; the canvas then draws on its first page. Raises
    // EPrinter "Printing in progress" when one is already open and
    // "Printer selected is not valid" when the device cannot start.
    // NewPage and EndDoc raise "Printer is not currently printing" outside a document.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return FPrinting; }
    bool Aborted() const { return FAborted; }
    // The page canvas while printing, else null.
    TCanvas* Canvas() const { return FCanvas.get(); }

private:
    void Select();

    std::vector<String> FPrinters;
    Integer FIndex = 0;
    String FOutputFileName;
    std::unique_ptr<print::PrinterDevice> FDevice;
    std::unique_ptr<TCanvas> FCanvas;
    bool FPrinting = false;
    bool FAborted = false;
};

// The name of the file printer at the end of the list.
extern const char* const PdfPrinterName;

// The process-wide printer, created on first use; null while no graphical
// application object exists (the printer devices need one).
TPrinter* Printer();
