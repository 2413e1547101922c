#include "export/ExportErrors.h"

#include <string>

namespace vge {

namespace {

// Thousands set apart by a space, as Hungarian texts write them ("65 536").
String Grouped(Integer Value) {
    String digits = std::to_string(Value);
    for (std::size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, " ");
    return digits;
}

} // namespace

String RowLimitMessage(const String& FileName, Integer Rows) {
    const String rows = Grouped(Rows);
    return "Egy munkalapra legfeljebb " + rows + " sor fér, ezért a(z) „" + FileName +
           "” fájl csak az első " + rows + " sort tartalmazza; a többi sor nem került bele.";
}

} // namespace vge
