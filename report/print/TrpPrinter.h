#pragma once
// TrpPrinter: the one printer the report engine lays out for and prints to.
// It wraps the platform printer and adds a last, virtual printer that takes
// its paper from a built-in table without touching a device. Paper codes are
// the Windows paper numbers (9 = A4, 256 = custom size); sizes are tenths of
// a millimetre; page pixels are 93/1.022 per inch across and 93/1.015 down.
#include "platform/core/TObject.h"
#include "report/print/detail/rpPrinterLink.h"

#include <vector>

class TCanvas;
class TPrinter;

// Page pixels per inch.
constexpr double rpPixelsPerInchX = 93 / 1.022;
constexpr double rpPixelsPerInchY = 93 / 1.015;
constexpr Integer rpCustomPaper = 256;
constexpr Integer rpMaxPaperSizes = 256;

class TrpPrinter : public TObject, public TrpPrinterLink {
public:
    TrpPrinter();
    ~TrpPrinter() override;
    String ClassName() const override { return "TrpPrinter"; }

    // Lists the platform's printers (none when Printer is null) and the
    // virtual printer last, and selects the platform's current printer, or
    // the virtual one when the platform has no device besides its file printer.
    void SetPrinter(TPrinter* Printer);
    TPrinter* Printer() const { return FPrinter; }
    const std::vector<String>& Printers() const { return FPrinters; }
    Integer PrinterIndex() const { return FPrinterIndex; }
    // Selects a printer of the list and reads (real) or applies (virtual) its
    // settings. Raises EPrinter "Printer index out of range" outside the list.
    void SetPrinterIndex(Integer Value);
    bool IsVirtual() const { return FPrinterIndex == DefaultPrinter; }

    // Reads the selected real printer's paper and the papers it offers.
    void GetSettings();
    // Writes the current paper into the selected printer and reads it back;
    // for the virtual printer takes the size from the paper table.
    void SetSettings();
    bool IsEqual(Integer pgSize, Integer pgWidth, Integer pgHeight, Byte pgOr) const;
    // Stores the paper and applies it, only when it differs from the current one.
    void SetPrinterInfo(Integer pgSize, Integer pgWidth, Integer pgHeight, Byte pgOr);
    // Index of the code among the offered papers; the last index when not offered.
    Integer GetArrayPos(Integer pgSize) const;
    void FillPrnInfo(TrpPrnInfo& p) const;

    // True when Canvas is the page canvas of a document the platform printer prints.
    bool IsPrinterCanvas(TCanvas* Canvas) const;

    // The selected printer's name; empty for the virtual printer, which files
    // therefore store as no printer at all.
    String PrinterName() override;
    void SelectPrinter(const String& Name) override;
    void ResolvePaper(Integer& Size, Integer& Width, Integer& Height, Byte& Orientation,
                      TrpPrnInfo& Info) override;

    Integer DefaultPrinter = 0;
    Byte Orientation = 0; // 0 portrait, 1 landscape
    Integer PaperSize = 0;
    Integer PaperWidth = 0;
    Integer PaperHeight = 0;
    std::vector<Word> PaperSizes;
    std::vector<String> PaperNames;
    Integer PaperSizesNum = 0;
    // How many times settings were applied to a printer (SetSettings).
    Integer SettingsApplied = 0;

private:
    TPrinter* FPrinter = nullptr;
    std::vector<String> FPrinters;
    Integer FPrinterIndex = 0;
};

// The engine's printer, created by rpInitEngine.
extern TrpPrinter* Prn;

// Width and height in tenths of a millimetre of a paper of the virtual
// printer's table; false for a code not in it (also 256).
bool rpPaperTableSize(Integer Code, Integer& Width, Integer& Height);
