#pragma once
// A written spreadsheet file read back by an independent reader (python3-xlrd): one
// line per row, its cells joined by "|" (numbers as xlrd gives them, empty cells as "").
#include "tests/support/FileBytes.h"
#include "tests/support/PythonTools.h"

#include <string>

namespace apptest {

inline std::string XlsRows(const std::string& File, const std::string& ScriptFolder) {
    const std::string script = ScriptFolder + "/xlsrows.py";
    WriteFileBytes(script, R"(import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
for r in range(sheet.nrows):
    print('|'.join(str(sheet.cell_value(r, c)) for c in range(sheet.ncols)))
)");
    return CommandOutput(SystemPython() + " '" + script + "' '" + File + "'");
}

} // namespace apptest
