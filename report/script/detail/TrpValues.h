#pragma once
// TrpValues: the value bindings stored with a template. Each named value is
// unbound (Typ 0), a data field (1), another kind (2) or an expression (3).
// The list is searched by name ignoring case.
#include "platform/core/TObject.h"
#include "platform/core/TStringList.h"

class TDataSet;
class TStream;

class TrpValue : public TObject {
public:
    String ClassName() const override { return "TrpValue"; }

    Byte Typ = 0;
    Integer OtherKind = 0;
    // The data source name.
    String DataSet;
    // The field name, or the expression text.
    String Field;
    // The data set resolved from DataSet while a report is built.
    TDataSet* DSet = nullptr;
};

class TrpValues : public TObject {
public:
    TrpValues();
    ~TrpValues() override;
    String ClassName() const override { return "TrpValues"; }

    // Appends an unbound value with an empty name; answers its index.
    Integer AddValue();
    // Raises EStringListError "List index out of bounds (<i>)".
    TrpValue* GetValue(Integer Index) const;
    // The value of that name (ignoring case), else null.
    TrpValue* FindVariable(const String& Name) const;
    // Frees every value.
    void Clear();

    // The values block without the variables memo: int32 count, then per value
    // byte Typ, int32 OtherKind, and short strings DataSet, Field and the name.
    void ReadBinaryData(TStream* Stream);
    void WriteBinaryData(TStream* Stream);

    // Names with their TrpValue objects, owned by this list.
    TStringList Items;
};

namespace report {

// Special variables by their index in the engine's table (1 has no name); a
// value of another kind (Typ 2) names one by its OtherKind.
enum SpecialVariable : Integer {
    svPage = 0,
    svDate = 2,
    svTime = 3,
    svLine = 4,
    svLineThrough = 5,
    svColumn = 6,
    svCurrent = 7,
    svTotalPages = 8
};
// The name of a special variable, "" outside the table.
String SpecialVariableName(Integer Index);
// The index of the special variable of that name, -1 for any other name.
Integer SpecialVariableIndex(const String& Name);

} // namespace report
