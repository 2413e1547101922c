#pragma once
// TSqlite3Output: writes a dataset out as lines of an XML-like table (X), an
// HTML table (H) or separated text (anything else), one entry per record.
#include "platform/core/TComponent.h"

#include <memory>

class TDataSet;
class TDataSource;
class TStrings;
class TStringList;

class TSqlite3Output : public TComponent {
public:
    explicit TSqlite3Output(TComponent* AOwner);
    ~TSqlite3Output() override;
    String ClassName() const override { return "TSqlite3Output"; }

    // Setting true writes the output at once. Raises SqliteError "Missing
    // Datasource" or "Missing Datasource.Dataset".
    bool Active() const { return FActive; }
    void SetFActive(bool Value);
    void SetActive(bool Value) { SetFActive(Value); }
    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* Value);
    // Its first character (any case) picks the form: X, H, else text.
    const String& OutputType() const { return FOutputType; }
    void SetOutputType(const String& Value) { FOutputType = Value; }
    const String& TableClass() const { return FTableClass; }
    void SetTableClass(const String& Value) { FTableClass = Value; }
    const String& HeaderClass() const { return FHeaderClass; }
    void SetHeaderClass(const String& Value) { FHeaderClass = Value; }
    const String& CellClass() const { return FCellClass; }
    void SetCellClass(const String& Value) { FCellClass = Value; }
    TStrings* Output() const;
    void SetOutput(TStrings* Value);
    const String& FieldSeparator() const { return FFieldSeparator; }
    void SetFieldSeparator(const String& Value) { FFieldSeparator = Value; }

    // Clears Output and writes every record of DataSet (opened first when
    // closed) from the first; nothing without a dataset.
    void Execute(TDataSet* DataSet);

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FActive = false;
    TDataSource* FDataSource = nullptr;
    String FOutputType;
    String FTableClass;
    String FHeaderClass;
    String FCellClass;
    std::unique_ptr<TStringList> FOutput;
    String FFieldSeparator;
};
