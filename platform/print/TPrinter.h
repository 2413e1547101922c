#pragma once
// TPrinter: the printers of the system and one file printer ("PDF") that
// writes a PDF document, with the device-mode figures a report lays out by:
// paper code (the Windows paper numbers, 256 = custom), orientation, the
// physical paper and the printable area in device pixels. Qt's printer
// support is underneath; nothing of it shows here. The device work sits in
// protected virtual operations, so a test puts a recording printer in its
// place (SetPrinter) while the document state and its errors stay here.
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
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;
    String ClassName() const override { return "TPrinter"; }

    // The system's printers, then "PDF".
    const std::vector<String>& Printers() const { return FPrinters; }
    Integer PrinterIndex() const { return FIndex; }
    // Raises EPrinter "Printer index out of range" outside the list; refused while printing.
    void SetPrinterIndex(Integer Value);
    // The file the PDF printer writes.
    String OutputFileName() const { return FOutputFileName; }
    void SetOutputFileName(const String& Value) { FOutputFileName = Value; }

    virtual void GetDeviceMode(TDeviceMode& Mode) const;
    // Applies the fields Mode carries to the selected printer. On the file
    // printer a paper set while printing applies from the next page on.
    virtual void SetDeviceMode(const TDeviceMode& Mode);
    // The paper sizes the selected printer offers.
    virtual std::vector<TPaperInfo> PaperSizes() const;
    // True for the file printer: each document replaces its one file, so a
    // report goes to it as one document even when its paper changes.
    virtual bool IsFilePrinter() const;

    // Device figures of the selected printer: pixels per inch, the physical
    // paper, its unprintable offsets and the printable area.
    virtual Integer PixelsPerInchX() const;
    virtual Integer PixelsPerInchY() const;
    virtual TSize PhysicalSize() const;
    virtual TPoint PhysicalOffset() const;
    virtual Integer PageWidth() const;
    virtual Integer PageHeight() const;

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

protected:
    // A printer of these names with no device of its own: the subclass
    // supplies every device operation.
    TPrinter(std::vector<String> Names, Integer Index);
    // Takes the device of the printer at PrinterIndex.
    virtual void Select();
    // Starts the device's document and gives the canvas of its first page;
    // raises EPrinter "Printer selected is not valid" when it cannot start.
    virtual std::unique_ptr<TCanvas> StartDocument();
    // Moves to the next sheet; may give the page a canvas of its own (a new paper).
    virtual void StartPage(std::unique_ptr<TCanvas>& Canvas);
    virtual void FinishDocument();
    virtual void AbortDocument();
    // The system's dialog for the selected printer's paper and orientation; true when confirmed.
    virtual bool RunSetupDialog();
    friend class TPrinterSetupDialog;

private:
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

// The process-wide printer: the one SetPrinter installed, else the system's,
// created on first use; null while no graphical application object exists
// (the printer devices need one).
TPrinter* Printer();
// Installs NewPrinter (not owned; null gives the system's back) and answers
// the one installed before.
TPrinter* SetPrinter(TPrinter* NewPrinter);
