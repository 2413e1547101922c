#pragma once
// What the template pages and the report ask of the printer layer: the
// selected printer's name, selecting a printer by name, and the paper it
// really has. Until a printer layer is installed there is none to ask: the
// name is empty, no printer is selected and pages keep their own paper.
#include "platform/core/Types.h"

class TrpPrinterLink {
public:
    virtual ~TrpPrinterLink() = default;
    virtual String PrinterName() = 0;
    // Selects the printer of exactly that name when the layer knows it.
    virtual void SelectPrinter(const String& Name) = 0;
    // Takes the paper asked for and gives back the paper used.
    virtual void ResolvePaper(Integer& Size, Integer& Width, Integer& Height, Byte& Orientation) = 0;
};

extern TrpPrinterLink* rpPrinterLink;
