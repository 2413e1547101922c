#include "platform/data/TFieldType.h"

#include <array>

namespace {
constexpr std::array<const char*, ftFMTBcd + 1> FieldTypeNames = {
    "Unknown",    "String",    "SmallInt",  "Integer",    "Word",      "Boolean",     "Float",   "Currency",
    "BCD",        "Date",      "Time",      "DateTime",   "Bytes",     "VarBytes",    "AutoInc", "Blob",
    "Memo",       "Graphic",   "FmtMemo",   "ParadoxOle", "DBaseOle",  "TypedBinary", "Cursor",  "FixedChar",
    "WideString", "Largeint",  "ADT",       "Array",      "Reference", "DataSet",     "OraBlob", "OraClob",
    "Variant",    "Interface", "IDispatch", "Guid",       "TimeStamp", "FMTBcd"};
}

const char* FieldTypeName(TFieldType DataType) {
    if (DataType < ftUnknown || DataType > ftFMTBcd) return "Unknown";
    return FieldTypeNames[DataType];
}

bool IsBlobType(TFieldType DataType) {
    return (DataType >= ftBlob && DataType <= ftTypedBinary) || DataType == ftOraBlob ||
           DataType == ftOraClob;
}
