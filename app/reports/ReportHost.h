#pragma once
// What the two report-host forms share: their reports and report datasets made as
// the forms hold them, and the report variables that no dataset holds.
#include "platform/core/Types.h"
#include "platform/core/Variant.h"

#include <initializer_list>

class TComponent;
class TDataSet;
class TrpDBDataSet;
class TrpReport;

namespace app {

// A report dataset named Name over DataSet (may be null until printing binds it).
// With OpenDataSource false the caller opens DataSet itself.
TrpDBDataSet* MakeReportDataSet(TComponent* Owner, const String& Name, TDataSet* DataSet,
                                bool OpenDataSource = true);

// What the office's previews offer: zoom, load, save, print, find and exit; WithHelp
// adds the help button.
enum class PreviewHelp { Without, With };

// A report named Name walking Dataset, titled Title, with its template loaded from the
// stored template "<owner's name>_<Name>" and its preview's buttons.
TrpReport* MakeHostReport(TComponent* Owner, const String& Name, const String& Title, TrpDBDataSet* Dataset,
                          PreviewHelp Help = PreviewHelp::Without);

// The report variables the main window holds: "REGUSER" the office user's name,
// "PNAME" the product name, "REGCIM" the office address. Sets ParValue to the text of
// ParName when ParName is exactly (case-sensitively) one of Names; leaves it otherwise.
void SupplyReportVariable(const String& ParName, Variant& ParValue, std::initializer_list<const char*> Names);

} // namespace app

namespace app {

// Points Target at the dataset Path names ("Form1.letetlista_Query1": a form's name and
// a component it owns), so a report can read the datasets of forms made after its own.
// Target keeps no dataset when Path names none.
void BindReportDataSet(TrpDBDataSet& Target, const String& Path);

} // namespace app
