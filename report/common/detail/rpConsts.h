#pragma once
// The report engine's numbered texts of the template model: messages, the
// error caption and the band type names.
#include "platform/core/Types.h"

// The application's help file while a report window (designer, preview) is up.
constexpr const char* rpUserHelpFile = "RPuser.hlp";

constexpr Integer rpsError = 55206;             // "Error"
constexpr Integer rpsCancel = 55001;            // "Cancel"
constexpr Integer rpsTextFile = 55212;          // "ASCII Text file"
constexpr Integer rpsRTFFile = 55217;           // "Rich Text file"
constexpr Integer rpsFilterProperties = 55307;  // "Filter properties"
constexpr Integer rpsAverageFontHeight = 55308; // "Average font height:"
constexpr Integer rpsFrom = 55199;              // "from"
constexpr Integer rpsCalcError = 55200;         // "An error occured during calculating"
constexpr Integer rpsErrorReport = 55201;       // "Report:"
constexpr Integer rpsErrorBand = 55202;         // "Band:"
constexpr Integer rpsPreparing = 55203;         // "Report preparing"
constexpr Integer rpsFirstPass = 55204;         // "Performing 1st pass:"
constexpr Integer rpsProcessing = 55205;        // "Processing page:"
constexpr Integer rpsPreview = 55207;           // "Preview"
constexpr Integer rpsPrinting = 55208;          // "Printing page:"
constexpr Integer rpsUntitled = 55209;          // "Untitled"
constexpr Integer rpsPrinterNotValid = 55210;   // "Printer selected is not valid"
constexpr Integer rpsUnsupportedFormat = 55345; // "Unsupported RPF format"
constexpr Integer rpsDefaultCharset = 55337;    // "0"
constexpr Integer rpsOK = 55000;                // "OK"
constexpr Integer rpsPrint = 53040;             // "Print" … 53048, the print dialog's captions
constexpr Integer rpsFirstBandName = 55077;     // "Report title" … 55098 "None"
constexpr Integer rpsVarFormCaption = 53440;    // "Variables"
constexpr Integer rpsVarFormLabel = 53441;      // "&Category:"
constexpr Integer rpsSpecialValues = 55075;     // "Special values"
constexpr Integer rpsGlobalVariables = 55342;   // "Global variables"
constexpr Integer rpsFirstSpecialName = 55110;  // "Page number" … 55118 "Total pages", 55111 empty
// Captions of the views' designer popup items.
constexpr Integer rpsStretched = 55190;        // "Stretched"
constexpr Integer rpsDisplayFormat = 55191;    // "Display format..."
constexpr Integer rpsWordWrap = 55192;         // "Word wrap"
constexpr Integer rpsAutoWidth = 55193;        // "Auto width"
constexpr Integer rpsWordBreak = 55335;        // "Word break"
constexpr Integer rpsFont = 55334;             // "Font..."
constexpr Integer rpsStartNewPage = 55194;     // "Start new page", 55195, 55196 the next band flags
constexpr Integer rpsPrintOnFirstPage = 55230; // "Print on first page", 55231, 55232 the next band flags
constexpr Integer rpsPictureCenter = 55197;    // "Center"
constexpr Integer rpsKeepAspectRatio = 55198;  // "Keep aspect ratio"

// The text of one engine string; registers the engine's block on first use,
// so the texts exist whether or not the engine was started.
String rpLoadStr(Integer Id);
