#pragma once
// The enumerations and event types that the export components, their data
// engines and the cell writers share. Ordinal orders are those stored in
// saved export-settings files and form resources; do not reorder.
#include "platform/core/TSet.h"
#include "platform/core/Types.h"
#include "platform/core/Variant.h"
#include "platform/data/TAlignment.h"
#include "platform/graphics/TColor.h"

#include <functional>

class TField;
class TFont;
class TObject;

// The type of one exported cell, decided per field by the data engine.
enum TCellType {
    ctBlank,
    ctInteger,
    ctDouble,
    ctString,
    ctDateTime,
    ctDate,
    ctCurrency,
    ctTime,
    ctMEMO,
    ctGraphic
};

enum TTableTypeExport {
    teParadox,
    teDBase,
    teText,
    teHTML,
    teXLS,
    teExcel,
    teWord,
    teSYLK,
    teDIF,
    teWKS,
    teQuattro,
    teSQL,
    teXML,
    teAccess,
    teClipboard,
    teRTF,
    teSPSS,
    tePDF,
    teLDIF,
    teADO
};

enum TVgOption {
    soFieldMask,
    soShowMessage,
    soBlankRowAfterCaptions,
    soMergeData,
    soWaitCursor,
    soDisableControls,
    soUseFieldNameAsCaption,
    soColLines,
    soRowLines,
    soColorsFonts,
    soExportBlankValues,
    soExportBands
};
using TVgOptions = TSet<TVgOption>;

enum TColumnSource { csDBGrid, csDataSet, csDataEngine };
enum TVgEResult { erInProgress, erCompleted, erCanceled, erFailed };
enum TVgEDateOrder { doMDY, doDMY, doYMD, doYDM, doDYM, doMYD };
enum TVgEStyle {
    esNormal,
    esPriceList,
    esMSMoney,
    esBrick,
    esDesert,
    esEggplant,
    esLilac,
    esMaple,
    esMarine,
    esRose,
    esSpruce,
    esWheat
};
enum TActionAfterExport { aeNone, aeOpenView, aeEMail };
enum TCharacterSet { csANSI_WINDOWS, csASCII_MSDOS, csEBCDIC };
enum TVgELayout { elColumnar, elReversedColumnar, elTabularForm };
enum TVgEColumnKind { ckField, ckConstant, ckSysVar };
enum TVgEMeasure { emPoint, emInch, emCentimeters, emPicas };
enum TVgEOrientation { emDefault, emPortrait, emLandscape };

// Stage of a run, as TVgEStatistic::ExportStage holds it.
constexpr Byte esHeader = 0, esBandRow = 1, esTitleRow = 2, esData = 3, esFooter = 4;

using TVgEGetLanguageStringEvent = std::function<void(TObject* Sender, Integer Id, String& Text)>;
using TVgEBeforeRecordEvent = std::function<void(TObject* Sender, bool& Accept)>;
using TVgEAfterRecordEvent = std::function<void(TObject* Sender, bool& Abort)>;
using TVgEGetFileName = std::function<void(TObject* Sender, Integer CurFileNumber, String& AFileName)>;
using TVgEProgress = std::function<void(TObject* Sender, Integer CurValue, Integer MaxValue, bool& Abort)>;
using TVgEGetSelectedCount = std::function<void(TObject* Sender, Integer& Count)>;
using TVgESpecificationEvent = std::function<void(TObject* Sender, String& AFileName)>;

namespace vge {
// The export's per-cell hook; the grid has its own event of the same name.
using TGetCellParamsEvent =
    std::function<void(TObject* Sender, TField* Field, String& Text, TFont* AFont, TAlignment& Alignment,
                       TColor& Background, TCellType& CellType)>;
} // namespace vge
