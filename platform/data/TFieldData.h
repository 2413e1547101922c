#pragma once
// One field's value as it travels between a field object and a record buffer.
// Datasets exchange typed values, never raw bytes:
//   empty (std::monostate)  null
//   bool                    ftBoolean
//   Int64                   ftSmallint, ftInteger, ftWord, ftAutoInc, ftLargeint
//   double                  ftFloat, ftCurrency, ftBCD, ftFMTBcd; ftDate, ftTime,
//                           ftDateTime, ftTimeStamp as TDateTime
//   String                  text types (UTF-8) and the bytes of BLOB types
#include "platform/core/Types.h"

#include <variant>

using TFieldData = std::variant<std::monostate, bool, Int64, double, String>;

inline bool FieldDataIsNull(const TFieldData& Data) {
    return std::holds_alternative<std::monostate>(Data);
}
