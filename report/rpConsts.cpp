#include "report/detail/rpConsts.h"

#include "platform/core/ResourceStrings.h"

namespace {

void RegisterEngineStrings() {
    RegisterResourceStrings({
        {rpsError, "Error"},
        {rpsUnsupportedFormat, "Unsupported RPF format"},
        {rpsCancel, "Cancel"},
        {rpsFrom, "from"},
        {rpsCalcError, "An error occured during calculating"},
        {rpsErrorReport, "Report:"},
        {rpsErrorBand, "Band:"},
        {rpsPreparing, "Report preparing"},
        {rpsFirstPass, "Performing 1st pass:"},
        {rpsProcessing, "Processing page:"},
        {rpsPreview, "Preview"},
        {rpsPrinting, "Printing page:"},
        {rpsUntitled, "Untitled"},
        {rpsOK, "OK"},
        {53040, "Print"},
        {53041, "Printer"},
        {53042, "Properties"},
        {53043, "&Copies:"},
        {53044, "Page range"},
        {53045, "&All"},
        {53046, "Current &page"},
        {53047, "&Numbers:"},
        {53048, "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
        {rpsPrinterNotValid, "Printer selected is not valid"},
        {rpsDefaultCharset, "0"},
        {55077, "Report title"},
        {55078, "Report summary"},
        {55079, "Page header"},
        {55080, "Page footer"},
        {55081, "Master header"},
        {55082, "Master data"},
        {55083, "Master footer"},
        {55084, "Detail header"},
        {55085, "Detail data"},
        {55086, "Detail footer"},
        {55087, "Subdetail header"},
        {55088, "Subdetail data"},
        {55089, "Subdetail footer"},
        {55090, "Overlay"},
        {55091, "Column header"},
        {55092, "Column footer"},
        {55093, "Group header"},
        {55094, "Group footer"},
        {55095, "Cross header"},
        {55096, "Cross data"},
        {55097, "Cross footer"},
        {55098, "None"},
        {rpsTextFile, "ASCII Text file"},
        {rpsRTFFile, "Rich Text file"},
        {rpsFilterProperties, "Filter properties"},
        {rpsAverageFontHeight, "Average font height:"},
        {rpsVarFormCaption, "Variables"},
        {rpsVarFormLabel, "&Category:"},
        {rpsSpecialValues, "Special values"},
        {rpsGlobalVariables, "Global variables"},
        {55110, "Page number"},
        {55112, "Date"},
        {55113, "Time"},
        {55114, "Line number"},
        {55115, "Line number through"},
        {55116, "Column number"},
        {55117, "Current record"},
        {55118, "Total pages"},
    });
}

} // namespace

String rpLoadStr(Integer Id) {
    static const bool registered = (RegisterEngineStrings(), true);
    (void)registered;
    return LoadStr(Id);
}
