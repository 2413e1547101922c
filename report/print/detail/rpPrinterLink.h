#pragma once
// What the template pages and the report ask of the printer layer: the
// selected printer's name, selecting a printer by name, and the paper it
// really has with its figures in page pixels. Until a printer layer is
// installed there is none to ask: the name is empty, no printer is selected
// and pages keep their own paper.
#include "platform/core/Types.h"

// Paper and printable area of a printer: P-prefixed fields in printer
// pixels, the others in page pixels.
struct TrpPrnInfo {
    Integer PPgw = 0, PPgh = 0; // physical paper width and height
    Integer Pgw = 0, Pgh = 0;
    Integer POfx = 0, POfy = 0; // unprintable offsets
    Integer Ofx = 0, Ofy = 0;
    Integer PPw = 0, PPh = 0; // printable width and height
    Integer Pw = 0, Ph = 0;
    bool operator==(const TrpPrnInfo&) const = default;
};

class TrpPrinterLink {
public:
    virtual ~TrpPrinterLink() = default;
    virtual String PrinterName() = 0;
    // Selects the printer of exactly that name when the layer knows it.
    virtual void SelectPrinter(const String& Name) = 0;
    // Takes the paper asked for and gives back the paper used and its figures.
    virtual void ResolvePaper(Integer& Size, Integer& Width, Integer& Height, Byte& Orientation,
                              TrpPrnInfo& Info) = 0;
};

extern TrpPrinterLink* rpPrinterLink;
