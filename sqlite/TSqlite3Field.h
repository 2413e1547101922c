#pragma once
// One column of a table as TSqlite3DB::GetTableInfo describes it (a row of the
// engine's table_info pragma).
#include "platform/core/TObject.h"

class TSqlite3Field : public TObject {
public:
    String ClassName() const override { return "TSqlite3Field"; }

    Integer FieldNo = 0;
    String FieldName;
    String FieldType;
    Integer FieldNotNull = 0;
    String FieldDefault;
    Integer FieldPK = 0;
};
