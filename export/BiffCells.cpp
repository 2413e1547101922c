// Cell type adjustment and value reading of the worksheet writer.
#include "export/BiffCells.h"

#include "platform/core/DateTime.h"
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

} // namespace

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
    case ctDate: {
        const double days = std::trunc(StrToDate(Text));
        if (days >= 0 && days <= 65535) {
            cell.Kind = CellKind::Integer;
            cell.Integer = static_cast<Word>(days);
        } else {
            cell.Kind = CellKind::Number;
            cell.Number = days;
        }
        break;
    }
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
