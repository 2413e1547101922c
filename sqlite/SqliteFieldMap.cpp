#include "sqlite/SqliteFieldMap.h"

#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TFieldDefs.h"
#include "sqlite/ResultTarget.h"
#include "sqlite/SqliteError.h"

#include <cmath>

namespace {

struct DeclaredType {
    const char* Name;
    TFieldType DataType;
    Integer Size;
};

// Declared types without a size, looked up in lower case.
constexpr DeclaredType DeclaredTypes[] = {
    {"date", ftDate, 10},
    {"datetime", ftDateTime, 24},
    {"time", ftTime, 12},
    {"timestamp", ftTimeStamp, 12},
    {"integer", ftInteger, 12},
    {"int", ftInteger, 12},
    {"float", ftFloat, 12},
    {"real", ftFloat, 12},
    {"boolean", ftBoolean, 2},
    {"logical", ftBoolean, 2},
    {"char", ftString, 1},
    {"byte", ftString, 1},
    {"shorttext", ftString, 255},
    {"string", ftString, 255},
    {"widetext", ftWideString, 512},
    {"widestring", ftWideString, 512},
    {"currency", ftCurrency, 10},
    {"financial", ftCurrency, 10},
    {"money", ftCurrency, 10},
    {"blob", ftBlob, 4},
    {"graphic", ftGraphic, 4},
    {"clob", ftMemo, 4},
    {"memo", ftMemo, 4},
    {"text", ftMemo, 4},
    {"longtext", ftMemo, 4},
    {"nclob", ftWideString, 4},
    {"nmemo", ftWideString, 4},
    {"ntext", ftWideString, 4},
    {"nlongtext", ftWideString, 4},
};

// Types whose size is a pointer's, not a text length: their values are never cut.
bool IsLargeObject(const String& lowerDecl) {
    return lowerDecl == "blob" || lowerDecl == "graphic" || lowerDecl == "clob" || lowerDecl == "memo" ||
           lowerDecl == "text" || lowerDecl == "longtext" || lowerDecl == "nclob" || lowerDecl == "nmemo" ||
           lowerDecl == "ntext" || lowerDecl == "nlongtext";
}

// A text field's size when a large object is shown as text (TypeLess).
constexpr Integer LargeObjectTextSize = 255;

} // namespace

void GetFieldInfo(const String& DeclType, TFieldType& DataType, Integer& Size, Integer& Precision) {
    DataType = ftString;
    Size = 255;
    Precision = 0;
    const auto open = DeclType.find('(');
    if (open != String::npos) {
        const auto close = DeclType.find(')');
        if (close == String::npos) {
            Size = 256;
            return;
        }
        const String base = LowerCase(DeclType.substr(0, open));
        const String inner = close > open ? DeclType.substr(open + 1, close - open - 1) : String();
        if (base == "varchar" || base == "char") {
            Size = StrToInt(inner);
        } else if (base == "varchar2" || base == "nvarchar" || base == "nchar" || base == "nvarchar2") {
            DataType = ftWideString;
            Size = 2 * StrToInt(inner);
        } else if (base == "numeric") {
            DataType = ftFloat;
            auto split = inner.find('.');
            if (split == String::npos) split = inner.find(',');
            if (split == String::npos) {
                Size = StrToInt(inner);
            } else {
                Size = StrToInt(inner.substr(0, split));
                Precision = StrToInt(inner.substr(split + 1, 2));
            }
        }
        return;
    }
    const String lower = LowerCase(DeclType);
    for (const DeclaredType& t : DeclaredTypes) {
        if (lower == t.Name) {
            DataType = t.DataType;
            Size = t.Size;
            return;
        }
    }
}

TDateTime DateTimeToNative(TFieldType DataType, TDateTime Value) {
    // Slots hold whole milliseconds, so a value read back equals the one written
    // and Locate and the master/detail links compare dates exactly.
    const double ms = std::round(Value * MSecsPerDay);
    const double day = std::floor(ms / MSecsPerDay);
    switch (DataType) {
    case ftDate:
        return day;
    case ftTime:
        return (ms - day * MSecsPerDay) / MSecsPerDay;
    default:
        return ms / MSecsPerDay;
    }
}

namespace sqlite {

SlotKind SlotKindOf(TFieldType DataType) {
    switch (DataType) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
    case ftBoolean:
        return SlotKind::Integer;
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd:
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp:
        return SlotKind::Float;
    default:
        return SlotKind::Bytes;
    }
}

SlotKind SlotKindOf(TFieldType DataType, const String& FieldName) {
    switch (DataType) {
    case ftString:
    case ftFixedChar:
    case ftWideString:
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
    case ftBoolean:
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd:
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp:
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftFmtMemo:
    case ftVariant:
        return SlotKindOf(DataType);
    default:
        throw SqliteError("Fieldtype of Field \"" + FieldName + "\" not supported!");
    }
}

void DescribeColumn(const char* name, const char* declType, bool typeLess, TFieldDefs& defs, ColumnPlan& plan,
                    bool rowIdTaken, bool wholeTexts) {
    const String column = Copy(name ? name : "", 1, 255);
    // The row-id column holds its name although it makes no definition.
    const auto taken = [&](const String& candidate) {
        return defs.IndexOf(candidate) >= 0 || (rowIdTaken && SameText(candidate, "rowid"));
    };
    String fieldName = column;
    for (Integer n = 1; taken(fieldName); ++n)
        fieldName = column + "_" + IntToStr(n);

    plan = ColumnPlan{};
    if (SameText(fieldName, "rowid")) return; // the hidden row-id column

    const String decl = declType ? String(declType) : String("string");
    TFieldType dataType;
    Integer size;
    Integer precision;
    GetFieldInfo(decl, dataType, size, precision);
    const bool largeObject = IsLargeObject(LowerCase(decl));

    plan.Field = defs.Count();
    if (typeLess) {
        // Only declared text sizes cut a typeless value; a number or a date keeps
        // every character of the engine's text.
        const bool textType = dataType == ftString || dataType == ftWideString;
        if (largeObject) size = LargeObjectTextSize;
        plan.Type = ftString;
        plan.Capacity = textType && !largeObject ? (dataType == ftWideString ? size / 2 : size) : -1;
        defs.Add(fieldName, ftString, size);
    } else if (dataType == ftString || dataType == ftWideString) {
        plan.Type = dataType;
        plan.Capacity = largeObject ? -1 : (dataType == ftWideString ? size / 2 : size);
        defs.Add(fieldName, dataType, size);
    } else {
        plan.Type = dataType;
        TFieldDef* def = defs.Add(fieldName, dataType);
        if (dataType == ftFloat) def->SetPrecision(precision);
    }
    // The engine keeps a text past its column's declared size.
    if (wholeTexts) plan.Capacity = -1;
    plan.Kind = SlotKindOf(plan.Type);
}

} // namespace sqlite
