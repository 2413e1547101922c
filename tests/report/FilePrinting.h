#pragma once
// Prints go to the platform's file printer, into a PDF file of the test's,
// for as long as the object lives; the printer selected before comes back.
#include "platform/print/TPrinter.h"
#include "report/print/TrpPrinter.h"

#include <algorithm>

class FilePrinting {
public:
    explicit FilePrinting(const String& FileName) : Device(Printer()) {
        Prn->SetPrinter(Device);
        FOldIndex = Device->PrinterIndex();
        const auto& names = Device->Printers();
        Device->SetPrinterIndex(
            Integer(std::find(names.begin(), names.end(), String(FilePrinterName)) - names.begin()));
        Device->SetOutputFileName(FileName);
    }
    ~FilePrinting() {
        Device->SetPrinterIndex(FOldIndex);
        Prn->SetPrinter(nullptr);
    }
    FilePrinting(const FilePrinting&) = delete;
    FilePrinting& operator=(const FilePrinting&) = delete;

    TPrinter* const Device;

private:
    Integer FOldIndex = 0;
};
