#pragma once
// A Variant as comparable text for table tests: numbers with ".", texts quoted, dates by
// their digits.
#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Variant.h"

#include <string>

inline std::string ShowValue(const Variant& v) {
    if (v.IsEmpty()) return "(empty)";
    if (v.IsNull()) return "(null)";
    if (v.Type() == varString) return "'" + v.AsString() + "'";
    if (v.Type() == varDate) return "date " + FormatDateTime("yyyy-mm-dd hh:nn", v.AsFloat());
    return FloatToStr(v.AsFloat(), TFormatSettings::English());
}
