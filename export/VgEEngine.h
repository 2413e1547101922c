#pragma once
// Data engines: what the export reads rows, values and default columns through.
// The base engine answers from its events; the virtual engine walks rows that
// its events supply. Dataset and grid engines are in VgEEngDB.h.
#include "export/ExportTypes.h"
#include "platform/core/TComponent.h"
#include "platform/data/TFieldType.h"

class TField;
class TFont;
class TVgEColumn;
class TVgEColumns;
class TVgEColumnBands;

using TVgENextEvent = std::function<void(TObject* Sender, bool& Abort)>;
using TVgECountEvent = std::function<void(TObject* Sender, Integer& Count)>;
using TVgEGetValueEvent = std::function<void(TObject* Sender, TVgEColumn* Column, Variant& Value)>;

// The cell type of a value of FieldType: integer kinds ctInteger, float and BCD
// ctDouble, currency ctCurrency, dates and times their own, blob and memo kinds
// ctMEMO, graphic ctGraphic, anything else ctString. With BlankIfZero a null,
// unassigned or zero value of the number and date kinds gives ctBlank.
TCellType GetValueType(TFieldType FieldType, const Variant& Value, bool BlankIfZero);
// The cell type of FieldType's values, where the blank-if-zero rule does not apply.
TCellType CellTypeOf(TFieldType FieldType);
// True when GetValueType's BlankIfZero rule looks at values of FieldType.
bool IsZeroBlankable(TFieldType FieldType);
// The field type a column's cell type stands for (ctBlank and ctString: ftString).
TFieldType CellType2FieldType(TCellType CellType);

class TVgECustomDataEngine : public TComponent {
public:
    explicit TVgECustomDataEngine(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TVgECustomDataEngine"; }

    // Whether only the selected records are walked (set by the export before a run).
    bool SelectedRecord() const { return FSelectedRecord; }
    void SetSelectedRecord(bool Value) { FSelectedRecord = Value; }

    virtual bool SelectedRecordIsSupported() const { return false; }
    virtual void EnableControls() {}
    virtual void DisableControls() {}
    // Fire OnBeforeExecute / OnAfterExecute around a run.
    virtual void SavePosition();
    virtual void RestorePosition();
    // Clears both collections and fires OnFillColumns with Columns as Sender.
    virtual void FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft);
    virtual bool IsDataRow(Integer RowIndex) { return true; }
    virtual bool Eof() { return true; }
    virtual void First();
    virtual void Next();
    virtual Variant GetFieldValue(TVgEColumn* Column);
    virtual void ApplyCellColors(Integer ARow, Integer ACol, TAlignment& Alignment, TFont* Font,
                                 TColor& Color) {}
    // 0, or what OnCount sets.
    virtual Integer RecordCount();
    virtual TFieldType DataTypeByColumn(TVgEColumn* Column);
    virtual bool RequiredByColumn(TVgEColumn* Column) { return false; }
    virtual bool ReadOnlyByColumn(TVgEColumn* Column) { return false; }
    virtual TField* FindFieldByColumn(TVgEColumn* Column) { return nullptr; }

    TNotifyEvent OnFirst;
    TVgENextEvent OnNext;
    TVgECountEvent OnCount;
    TNotifyEvent OnBeforeExecute;
    TNotifyEvent OnAfterExecute;
    TNotifyEvent OnFillColumns;
    TVgEGetValueEvent OnGetValue;

protected:
    bool FAbort = false;

private:
    bool FSelectedRecord = false;
};

// Rows come from the events: OnCount gives their number, OnGetValue each value.
class TVgEVirtualDataEngine : public TVgECustomDataEngine {
public:
    explicit TVgEVirtualDataEngine(TComponent* AOwner) : TVgECustomDataEngine(AOwner) {}
    String ClassName() const override { return "TVgEVirtualDataEngine"; }

    bool Eof() override;
    void First() override;
    void Next() override;
    Variant GetFieldValue(TVgEColumn* Column) override;
    Integer RowIndex() const { return FRowIndex; }

private:
    Integer FRowIndex = 0;
};
