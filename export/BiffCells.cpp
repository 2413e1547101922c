// Cell type adjustment and value reading of the worksheet writer.
#include "export/BiffCells.h"

#include "platform/core/DateTime.h"
#include "platform/core/DateTimeParts.h"
#include "platform/core/FloatDecimal.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"

#include <cmath>

namespace biff {

namespace {

double ReadNumber(const String& Text) {
    double value = 0;
    return TryStrToFloat(Text, value) ? value : 0.0;
}

double ReadDateTime(const String& Text) {
    TDateTime value = 0;
    return TryStrToDateTime(Text, value) ? value : 0.0;
}

double ReadTime(const String& Text) {
    TDateTime value = 0;
    return TryStrToTime(Text, value) ? value : 0.0;
}

// A cell of whole days, as a date cell holds them.
CellValue DayCell(double days) {
    CellValue cell;
    cell.Type = ctDate;
    if (days >= 0 && days <= 65535) {
        cell.Kind = CellKind::Integer;
        cell.Integer = static_cast<Word>(days);
    } else {
        cell.Kind = CellKind::Number;
        cell.Number = days;
    }
    return cell;
}

// Whether the short date format in force reads its dates back; asked again only when
// the format or the separator changes.
bool DatesReadBack() {
    static thread_local String format;
    static thread_local String separator;
    static thread_local bool readsBack = false;
    if (format != FormatSettings.ShortDateFormat || separator != FormatSettings.DateSeparator) {
        format = FormatSettings.ShortDateFormat;
        separator = FormatSettings.DateSeparator;
        readsBack = ShortDateReadsBack(FormatSettings);
    }
    return readsBack;
}

} // namespace

bool FieldValueCell(TCellType Type, const TFieldData& Value, CellValue& Cell) {
    if (Type == ctInteger) {
        const auto* integer = std::get_if<Int64>(&Value);
        if (integer == nullptr) return false;
        // Its text reads back as itself; past 0..255 it is written as a double.
        Cell = {};
        if (*integer >= 0 && *integer <= 255) {
            Cell.Kind = CellKind::Integer;
            Cell.Type = ctInteger;
            Cell.Integer = static_cast<Word>(*integer);
        } else {
            Cell.Kind = CellKind::Number;
            Cell.Type = ctDouble;
            Cell.Number = static_cast<double>(*integer);
        }
        return true;
    }
    const auto* real = std::get_if<double>(&Value);
    if (real == nullptr) return false;
    if (Type == ctDouble || Type == ctCurrency) {
        const String& separator = FormatSettings.DecimalSeparator;
        if (separator != "," && separator != ".") return false;
        if (!core::ShortestFitsFifteen(*real)) return false;
        Cell = {};
        Cell.Kind = CellKind::Number;
        Cell.Type = Type;
        Cell.Number = *real;
        return true;
    }
    if (Type == ctDate) {
        TDateTime day = 0;
        if (!DatesReadBack() || !core::DayOf(*real, day)) return false;
        Cell = DayCell(day);
        return true;
    }
    return false;
}

CellValue ConvertCell(TCellType Type, const String& Text, bool FieldMask, bool ExportBlankValues) {
    CellValue cell;
    Int64 integer = 0;
    if (FieldMask) {
        Type = ctString;
    } else if (Text.empty()) {
        Type = ctBlank;
    } else if (Type == ctInteger) {
        // Text that is no integer reads as 0, which fits.
        if (!TryStrToInt64(Text, integer)) integer = 0;
        if (integer < 0 || integer > 255) Type = ctDouble;
    }
    cell.Type = Type;
    switch (Type) {
    case ctBlank:
        cell.Kind = ExportBlankValues ? CellKind::Blank : CellKind::None;
        break;
    case ctInteger:
        cell.Kind = CellKind::Integer;
        cell.Integer = static_cast<Word>(integer);
        break;
    case ctDate:
        return DayCell(std::trunc(StrToDate(Text)));
    case ctDouble:
    case ctCurrency:
        cell.Kind = CellKind::Number;
        cell.Number = ReadNumber(Text);
        break;
    case ctDateTime:
        cell.Kind = CellKind::Number;
        cell.Number = ReadDateTime(Text);
        break;
    case ctTime:
        cell.Kind = CellKind::Number;
        cell.Number = ReadTime(Text);
        break;
    default:
        cell.Kind = CellKind::Label;
        break;
    }
    return cell;
}

Byte FormatIndexOf(TCellType Type) {
    switch (Type) {
    case ctInteger:
        return 1;
    case ctDouble:
        return 2;
    case ctCurrency:
        return 7;
    case ctDate:
        return 14;
    case ctTime:
        return 18;
    case ctDateTime:
        return 22;
    default:
        return 0;
    }
}

Byte AlignmentByte(TAlignment Alignment) {
    switch (Alignment) {
    case taCenter:
        return 2;
    case taRightJustify:
        return 3;
    default:
        return 1;
    }
}

void WriteCell(RecordWriter& Out, Word Row, Word Col, const CellValue& Value, CellAttributes Attr,
               std::string_view Text) {
    switch (Value.Kind) {
    case CellKind::None:
        break;
    case CellKind::Blank:
        Out.Blank(Row, Col, Attr);
        break;
    case CellKind::Integer:
        Out.Integer16(Row, Col, Attr, Value.Integer);
        break;
    case CellKind::Number:
        Out.Number(Row, Col, Attr, Value.Number);
        break;
    case CellKind::Label:
        Out.Label(Row, Col, Attr, Text);
        break;
    }
}

} // namespace biff
