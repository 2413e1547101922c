#include "report/print/TrpPrinter.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/print/TPrinter.h"

#include <algorithm>
#include <cmath>

TrpPrinter* Prn = nullptr;

namespace {

struct PaperRow {
    Word Code;
    Integer Width, Height;
};

// The virtual printer's papers, in the order it offers them.
constexpr PaperRow kPapers[] = {
    {1, 2159, 2794},   {2, 2159, 2794},  {3, 2794, 4318},  {4, 4318, 2794},  {5, 2159, 3556},
    {6, 1397, 2159},   {7, 1842, 2667},  {8, 2970, 4200},  {9, 2100, 2970},  {10, 2100, 2970},
    {11, 1480, 2100},  {12, 2500, 3540}, {13, 1820, 2570}, {14, 2159, 3302}, {15, 2150, 2750},
    {16, 2540, 3556},  {17, 2794, 4318}, {18, 2159, 2794}, {19, 984, 2254},  {20, 1048, 2413},
    {21, 1143, 2635},  {22, 1207, 2794}, {23, 1270, 2921}, {24, 4318, 5588}, {25, 5588, 8636},
    {26, 8636, 11176}, {27, 1100, 2200}, {28, 1620, 2290}, {29, 3240, 4580}, {30, 2290, 3240},
    {31, 1140, 1620},  {32, 1140, 2290}, {33, 2500, 3530}, {34, 1760, 2500}, {35, 1760, 1250},
    {36, 1100, 2300},  {37, 984, 1905},  {38, 920, 1651},  {39, 3778, 2794}, {40, 2159, 3048},
    {41, 2159, 3302},  {42, 2500, 3530}, {43, 1000, 1480}, {44, 2286, 2794}, {45, 2540, 2794},
    {46, 3810, 2794},  {47, 2200, 2200}, {50, 2355, 3048}, {51, 2355, 3810}, {52, 2969, 4572},
    {53, 2354, 3223},  {54, 2101, 2794}, {55, 2100, 2970}, {56, 2355, 3048}, {57, 2270, 3560},
    {58, 3050, 4870},  {59, 2159, 3223}, {60, 2100, 3300}, {61, 1480, 2100}, {62, 1820, 2570},
    {63, 3220, 4450},  {64, 1740, 2350}, {65, 2010, 2760}, {66, 4200, 5940}, {67, 2970, 4200},
    {68, 3220, 4450},  {256, 0, 0}};
constexpr Integer kPaperCount = 67;
static_assert(sizeof kPapers / sizeof kPapers[0] == kPaperCount);

String PaperName(const PaperRow& row) {
    switch (row.Code) {
    case 1:
        return "Letter";
    case 5:
        return "Legal";
    case 8:
        return "A3";
    case 9:
        return "A4";
    case 11:
        return "A5";
    case 256:
        return "Custom";
    default:
        return IntToStr(row.Width / 10) + " x " + IntToStr(row.Height / 10) + " mm";
    }
}

Integer RoundPixels(double v) {
    return static_cast<Integer>(std::lround(v));
}

} // namespace

bool rpPaperTableSize(Integer Code, Integer& Width, Integer& Height) {
    if (Code == rpCustomPaper) return false;
    for (const PaperRow& row : kPapers)
        if (row.Code == Code) {
            Width = row.Width;
            Height = row.Height;
            return true;
        }
    return false;
}

TrpPrinter::TrpPrinter() {
    SetPrinter(nullptr);
}

TrpPrinter::~TrpPrinter() = default;

void TrpPrinter::SetPrinter(TPrinter* Printer) {
    FPrinter = Printer;
    FPrinters.clear();
    FPrinterIndex = 0;
    if (FPrinter) {
        FPrinters = FPrinter->Printers();
        FPrinterIndex = FPrinter->PrinterIndex();
    }
    FPrinters.push_back("Virtual printer");
    DefaultPrinter = static_cast<Integer>(FPrinters.size()) - 1;
    // The file printer alone is no device to lay out for. The virtual printer
    // takes its figures from its table, not from the printer it replaces.
    if (FPrinter && FPrinters.size() > 2) {
        GetSettings();
    } else {
        FPrinterIndex = DefaultPrinter;
        SetSettings();
    }
}

void TrpPrinter::SetPrinterIndex(Integer Value) {
    if (Value < 0 || Value >= static_cast<Integer>(FPrinters.size()))
        throw EPrinter("Printer index out of range");
    FPrinterIndex = Value;
    if (IsVirtual()) {
        SetSettings();
    } else if (FPrinter) {
        FPrinter->SetPrinterIndex(Value);
        GetSettings();
    }
}

void TrpPrinter::GetSettings() {
    if (!FPrinter || IsVirtual()) return;
    TDeviceMode mode;
    FPrinter->GetDeviceMode(mode);
    PaperSize = mode.PaperSize;
    const TSize size = FPrinter->PhysicalSize();
    PaperWidth = RoundPixels(double(size.cx) / FPrinter->PixelsPerInchX() * 254);
    PaperHeight = RoundPixels(double(size.cy) / FPrinter->PixelsPerInchY() * 254);
    PaperSizes.clear();
    PaperNames.clear();
    for (const TPaperInfo& paper : FPrinter->PaperSizes()) {
        if (static_cast<Integer>(PaperSizes.size()) == rpMaxPaperSizes) break;
        PaperSizes.push_back(paper.Code);
        PaperNames.push_back(paper.Name.substr(0, 64));
    }
    PaperSizesNum = static_cast<Integer>(PaperSizes.size());
}

void TrpPrinter::SetSettings() {
    ++SettingsApplied;
    if (IsVirtual() || !FPrinter) {
        PaperSizes.clear();
        PaperNames.clear();
        for (const PaperRow& row : kPapers) {
            PaperSizes.push_back(row.Code);
            PaperNames.push_back(PaperName(row));
        }
        PaperSizesNum = kPaperCount;
        Integer w = 0, h = 0;
        if (rpPaperTableSize(PaperSize, w, h)) {
            PaperWidth = Orientation == 1 ? h : w;
            PaperHeight = Orientation == 1 ? w : h;
        }
        return;
    }
    TDeviceMode mode;
    FPrinter->GetDeviceMode(mode);
    mode.Fields = dmPaperSize | dmOrientation | dmCopies;
    if (PaperSize == rpCustomPaper) {
        mode.Fields |= dmPaperLength | dmPaperWidth;
        mode.PaperLength = PaperHeight;
        mode.PaperWidth = PaperWidth;
    }
    mode.PaperSize = PaperSize;
    mode.Orientation = Orientation == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    mode.Copies = 1;
    FPrinter->SetDeviceMode(mode);
    GetSettings();
}

bool TrpPrinter::IsEqual(Integer pgSize, Integer pgWidth, Integer pgHeight, Byte pgOr) const {
    if (pgSize == rpCustomPaper && PaperSize == rpCustomPaper)
        return pgWidth == PaperWidth && pgHeight == PaperHeight && pgOr == Orientation;
    return pgSize == PaperSize && pgOr == Orientation;
}

void TrpPrinter::SetPrinterInfo(Integer pgSize, Integer pgWidth, Integer pgHeight, Byte pgOr) {
    if (IsEqual(pgSize, pgWidth, pgHeight, pgOr)) return;
    PaperSize = pgSize;
    PaperWidth = pgWidth;
    PaperHeight = pgHeight;
    Orientation = pgOr;
    SetSettings();
}

Integer TrpPrinter::GetArrayPos(Integer pgSize) const {
    for (Integer i = 0; i < PaperSizesNum; ++i)
        if (PaperSizes[static_cast<std::size_t>(i)] == pgSize) return i;
    return PaperSizesNum - 1;
}

void TrpPrinter::FillPrnInfo(TrpPrnInfo& p) const {
    if (IsVirtual() || !FPrinter) {
        p.Pgw = RoundPixels(PaperWidth * rpPixelsPerInchX / 254);
        p.Pgh = RoundPixels(PaperHeight * rpPixelsPerInchY / 254);
        p.Ofx = RoundPixels(50 * rpPixelsPerInchX / 254);
        p.Ofy = RoundPixels(50 * rpPixelsPerInchY / 254);
        p.Pw = p.Pgw - 2 * p.Ofx;
        p.Ph = p.Pgh - 2 * p.Ofy;
        return;
    }
    const double kx = rpPixelsPerInchX / FPrinter->PixelsPerInchX();
    const double ky = rpPixelsPerInchY / FPrinter->PixelsPerInchY();
    const TSize size = FPrinter->PhysicalSize();
    const TPoint offset = FPrinter->PhysicalOffset();
    p.PPgw = size.cx;
    p.PPgh = size.cy;
    p.POfx = offset.X;
    p.POfy = offset.Y;
    p.PPw = FPrinter->PageWidth();
    p.PPh = FPrinter->PageHeight();
    p.Pgw = RoundPixels(p.PPgw * kx);
    p.Pgh = RoundPixels(p.PPgh * ky);
    p.Ofx = RoundPixels(p.POfx * kx);
    p.Ofy = RoundPixels(p.POfy * ky);
    p.Pw = RoundPixels(p.PPw * kx);
    p.Ph = RoundPixels(p.PPh * ky);
}

bool TrpPrinter::IsPrinterCanvas(TCanvas* Canvas) const {
    return FPrinter && FPrinter->Printing() && Canvas && Canvas == FPrinter->Canvas();
}

String TrpPrinter::PrinterName() {
    // Templates and prepared reports made on the virtual printer name no printer.
    return IsVirtual() ? String() : FPrinters[static_cast<std::size_t>(FPrinterIndex)];
}

void TrpPrinter::SelectPrinter(const String& Name) {
    if (Name.empty()) return;
    const auto found = std::find(FPrinters.begin(), FPrinters.end(), Name);
    if (found != FPrinters.end()) SetPrinterIndex(static_cast<Integer>(found - FPrinters.begin()));
}

void TrpPrinter::ResolvePaper(Integer& Size, Integer& Width, Integer& Height, Byte& Orientation_,
                              TrpPrnInfo& Info) {
    SetPrinterInfo(Size, Width, Height, Orientation_);
    Size = PaperSize;
    Width = PaperWidth;
    Height = PaperHeight;
    Orientation_ = Orientation;
    FillPrnInfo(Info);
}
