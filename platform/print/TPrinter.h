#pragma once
// TPrinter: the print queues of the system's spooler and, last, one file
// printer that writes a PDF document, with the device-mode figures a report lays out by:
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
class Spooler;
} // namespace print

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

    // The spooler's queues, then the file printer; the default queue (else the
    // first entry) is selected.
    const std::vector<String>& Printers() const { return FPrinters; }
    Integer PrinterIndex() const { return FIndex; }
    // Raises EPrinter "Printer index out of range" outside the list; refused while printing.
    void SetPrinterIndex(Integer Value);
    // The file the file printer writes. It changes only when a document is
    // complete: until then the document grows in a temporary file beside it.
    String OutputFileName() const { return FOutputFileName; }
    void SetOutputFileName(const String& Value) { FOutputFileName = Value; }

    virtual void GetDeviceMode(TDeviceMode& Mode) const;
    // Applies the fields Mode carries to the selected printer. On the file
    // printer a paper set while printing applies from the next page on.
    virtual void SetDeviceMode(const TDeviceMode& Mode);
    // The paper sizes the selected printer offers.
    virtual std::vector<TPaperInfo> PaperSizes() const;
    // True for the file printer (the last entry, whatever a queue is named):
    // each document replaces its one file, so a report goes to it as one
    // document even when its paper changes.
    bool IsFilePrinter() const { return FIndex == Integer(FPrinters.size()) - 1; }

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
    // "Printer selected is not valid" when the device cannot start, and
    // EFCreateError when the file printer's folder takes no file.
    // NewPage and EndDoc raise "Printer is not currently printing" outside a document.
    // EndDoc hands a queue's document to the spooler and raises EPrinter, saying
    // so in Hungarian with the queue's name, when the queue refuses it; the file
    // printer's document then replaces its file, or, when it could not be written
    // whole (a full disk), raises EWriteError naming the file and the cause in
    // Hungarian and leaves the earlier file as it was. NewPage raises that
    // failure as soon as it has happened, and a NewPage that raises ends the
    // document as Abort does.
    // Abort drops the document: nothing reaches a queue or the file.
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
    // raises as BeginDoc does.
    virtual std::unique_ptr<TCanvas> StartDocument();
    // Moves to the next sheet; may give the page a canvas of its own (a new paper).
    virtual void StartPage(std::unique_ptr<TCanvas>& Canvas);
    // Ends the device's document: raises as EndDoc does.
    virtual void FinishDocument();
    virtual void AbortDocument();
    // The system's dialog for the selected printer's paper and orientation; true when confirmed.
    virtual bool RunSetupDialog();
    friend class TPrinterSetupDialog;

private:
    // Lets go of the open document's painter and temporary files.
    void DropDocument();

    std::vector<String> FPrinters;
    Integer FIndex = 0;
    String FOutputFileName;
    // The spooler the queues came from, which their documents go to.
    print::Spooler* FSpooler;
    std::unique_ptr<print::PrinterDevice> FDevice;
    std::unique_ptr<TCanvas> FCanvas;
    bool FPrinting = false;
    bool FAborted = false;
};

// The name of the file printer at the end of the list. It holds a blank, which
// no spooler queue's name can, but the printer is told apart by its place.
extern const char* const FilePrinterName;

// The process-wide printer: the one SetPrinter installed, else the system's,
// created on first use; null while no graphical application object exists
// (the printer devices need one).
TPrinter* Printer();
// Installs NewPrinter (not owned; null gives the system's back) and answers
// the one installed before.
TPrinter* SetPrinter(TPrinter* NewPrinter);
