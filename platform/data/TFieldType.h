#pragma once
// Field data types and kinds. The order of TFieldType is the platform's: code
// that stores or compares type codes (ftBlob .. ftTypedBinary are 15 .. 21)
// relies on it.
#include "platform/core/TSet.h"
#include "platform/core/Types.h"

enum TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftADT,
    ftArray,
    ftReference,
    ftDataSet,
    ftOraBlob,
    ftOraClob,
    ftVariant,
    ftInterface,
    ftIDispatch,
    ftGuid,
    ftTimeStamp,
    ftFMTBcd
};

// Where a field's value comes from.
enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

// How a field takes part in generated update statements.
enum TProviderFlag { pfInUpdate, pfInWhere, pfInKey, pfHidden };
using TProviderFlags = TSet<TProviderFlag>;

// The type's name without the "ft" prefix ("String", "Integer", "Blob"), as
// messages and type-mismatch errors show it.
const char* FieldTypeName(TFieldType DataType);

// ftBlob .. ftTypedBinary and the large-object types.
bool IsBlobType(TFieldType DataType);
