#pragma once
// TDataSet: the platform's dataset. It keeps a window of record buffers that
// data links see, moves through the records, runs the edit cycle with its
// events, and asks a concrete dataset for records through the virtual
// record-buffer contract (AllocRecordBuffer, GetRecord, Internal...).
//
// Contract for concrete datasets:
// - Record buffers are the subclass's own objects derived from TRecordBufferData.
// - GetRecord fills a buffer with the record at, after or before the cursor and
//   sets its bookmark and flag; the base then computes calculated fields and
//   applies OnFilterRecord, so GetRecord does neither.
// - GetFieldData/SetFieldData exchange typed values with ActiveRecordBuffer();
//   they see data fields only. SetFieldData only stores: the field checks the
//   state beforehand and sends the change notification afterwards.
#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/core/Variant.h"
#include "platform/data/TDataSetState.h"
#include "platform/data/TFieldData.h"
#include "platform/data/TRecordBuffer.h"

#include <functional>
#include <memory>
#include <vector>

class TDataLink;
class TDataSet;
class TDataSource;
class TField;
class TFieldDefs;
class TFields;
class TStrings;

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;
using TDataSetErrorEvent = std::function<void(TDataSet* DataSet, EDatabaseError& E, TDataAction& Action)>;
using TFilterRecordEvent = std::function<void(TDataSet* DataSet, bool& Accept)>;

class TDataSet : public TComponent {
public:
    explicit TDataSet(TComponent* AOwner);
    // Concrete datasets close themselves in their own destructor (their
    // InternalClose is gone by the time this one runs); the buffers and the
    // dataset's own fields are freed here in any case.
    ~TDataSet() override;
    String ClassName() const override { return "TDataSet"; }
    void Loaded() override;

    // Opening and closing. Open on an open dataset does nothing; a failing
    // open leaves it closed.
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    bool Active() const { return FState != dsInactive && FState != dsOpening; }
    void SetActive(bool Value);
    TDataSetState State() const { return FState; }

    // Navigation. Each first settles a pending edit (CheckBrowseMode).
    void First();
    // Raises "Operation not allowed on a unidirectional dataset" when one-directional.
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves up to Distance records; answers how many it moved (negative backwards).
    Integer MoveBy(Integer Distance);
    bool Bof() const { return FBOF; }
    bool Eof() const { return FEOF; }
    bool IsEmpty() const { return FActiveRecord >= FRecordCount; }
    // 1-based number of the current record; -1 when the dataset cannot tell.
    Integer RecNo() const { return GetRecNo(); }
    virtual void SetRecNo(Integer Value) {}
    Integer RecordCount() const { return GetRecordCount(); }

    // The edit cycle. Raise "Cannot perform this operation on a closed dataset",
    // "Cannot modify a read-only dataset", "Dataset not in edit or insert mode" and
    // "Cannot perform this operation on an empty dataset" where they apply.
    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void Refresh();
    // Posts a modified record, cancels an unmodified one; nothing in browse state.
    void CheckBrowseMode();
    // Lets the links write their pending control values into the fields.
    void UpdateRecord();
    // Refills the record window around the cursor; rmExact raises "Record not
    // found" when the cursor's record is gone.
    void Resync(TResyncMode Mode);
    bool Modified() const { return FModified; }
    bool CanModify() const { return GetCanModify(); }

    // Controls hear nothing while disabled; the outermost EnableControls tells them
    // of the state change and of the data (or layout) change they missed.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount != 0; }

    // Bookmarks: empty when the current record has none (empty dataset, a new record).
    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark& Bookmark);
    void FreeBookmark(TBookmark& Bookmark) const { Bookmark.clear(); }
    bool BookmarkAvailable() const;
    // Sign of the records' order: -1, 0, 1; 0 when either is empty.
    virtual Integer CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const;
    virtual bool BookmarkValid(const TBookmark& Bookmark) const { return false; }

    // Fields.
    TFields* Fields() const { return FFields.get(); }
    Integer FieldCount() const;
    TFieldDefs* FieldDefs() const { return FFieldDefs.get(); }
    // Raises EDatabaseError "<name>: Field '<field>' not found".
    TField* FieldByName(const String& FieldName) const;
    TField* FindField(const String& FieldName) const;
    // Fills List with the field names, or with the definitions' names while the
    // dataset has no fields.
    void GetFieldNames(TStrings* List) const;
    // True while the fields are the ones made from the field definitions at open.
    bool DefaultFields() const { return FDefaultFields; }
    // Fills the field definitions (opening the cursor briefly when closed).
    void InitFieldDefs();
    bool AutoCalcFields() const { return FAutoCalcFields; }
    void SetAutoCalcFields(bool Value) { FAutoCalcFields = Value; }

    // Filtering: the base hides the records OnFilterRecord rejects while Filtered
    // is on. The Filter text is stored for concrete datasets that interpret it.
    const String& Filter() const { return FFilterText; }
    void SetFilter(const String& Value) { SetFilterText(Value); }
    bool Filtered() const { return FFiltered; }
    virtual void SetFiltered(bool Value);

    // Searching over the records the dataset offers. Keys are ";"-separated field
    // names; with several, KeyValues holds one value per name. Field and key values
    // compare as text (loCaseInsensitive, loPartialKey apply). Locate moves to the
    // record found and keeps the position when none is; Lookup never moves and
    // answers FieldValues(ResultFields) of the record found, Null when none matches.
    bool Locate(const String& KeyFields, const Variant& KeyValue, TLocateOptions Options);
    virtual bool Locate(const String& KeyFields, const std::vector<Variant>& KeyValues,
                        TLocateOptions Options);
    Variant Lookup(const String& KeyFields, const Variant& KeyValue, const String& ResultFields);
    virtual Variant Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues,
                           const String& ResultFields);
    // The values of the ";"-separated fields of the current record: one field's
    // Value, or for several an array of their values in the order named. Raises
    // "Field '<name>' not found" for an unknown name.
    Variant FieldValues(const String& FieldNames) const;

    bool UniDirectional() const { return FUniDirectional; }
    void SetUniDirectional(bool Value);
    bool IsUniDirectional() const { return FUniDirectional; }

    // Moves the cursor to the active record / forgets where the cursor is.
    void UpdateCursorPos();
    void CursorPosChanged() { FCurrentRecord = -1; }

    // Raise "Cannot perform this operation on a closed/an open dataset".
    void CheckActive() const;
    void CheckInactive() const;
    // Raises "Operation not allowed on a unidirectional dataset".
    void CheckBiDirectional() const;

    // The data source this dataset follows (a master); null in the base.
    virtual TDataSource* GetDataSource() const { return nullptr; }
    // Whether DataSource is reached by following the masters of this dataset.
    bool IsLinkedTo(TDataSource* DataSource) const;
    // Whether detail datasets follow this one's current record; they stop following
    // while its controls are disabled. None in the base.
    virtual bool HasDetails() const { return false; }

    // Tells the data sources of Event (see TDataEvent for Info).
    virtual void DataEvent(TDataEvent Event, std::intptr_t Info);

    // True when its text fields hold a text of any length: their Size is the declared one,
    // which sizes the display and stops typing, but no value is cut to it. None in the base.
    virtual bool WholeTexts() const { return false; }

    // The value exchange with the record buffer that ActiveRecordBuffer() names.
    // GetFieldData answers whether the field has a value.
    virtual bool GetFieldData(TField* Field, TFieldData& Data) { return false; }
    virtual void SetFieldData(TField* Field, const TFieldData& Data) {}
    // The same for calculated and lookup fields, kept by the base in each buffer.
    bool GetCalcFieldData(const TField* Field, TFieldData& Data) const;
    void SetCalcFieldData(const TField* Field, const TFieldData& Data);

    // Events.
    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent BeforeRefresh, AfterRefresh;
    TDataSetNotifyEvent OnCalcFields, OnNewRecord;
    TDataSetErrorEvent OnEditError, OnPostError, OnDeleteError;
    TFilterRecordEvent OnFilterRecord;

protected:
    // The fields named in a ";"-separated list, in order; raises "Field '<name>'
    // not found" for an unknown name.
    std::vector<TField*> KeyFieldList(const String& KeyFields) const;
    // The record-buffer contract.
    virtual TRecordBuffer AllocRecordBuffer() = 0;
    // Deletes the buffer and nulls the pointer.
    virtual void FreeRecordBuffer(TRecordBuffer& Buffer);
    virtual TGetResult GetRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck) = 0;
    virtual Word GetRecordSize() const { return 0; }
    virtual void InitRecord(TRecordBuffer Buffer);
    virtual void InternalInitRecord(TRecordBuffer Buffer) {}
    virtual void GetBookmarkData(TRecordBuffer Buffer, TBookmark& Data) const {}
    virtual void SetBookmarkData(TRecordBuffer Buffer, const TBookmark& Data) {}
    virtual TBookmarkFlag GetBookmarkFlag(TRecordBuffer Buffer) const { return bfCurrent; }
    virtual void SetBookmarkFlag(TRecordBuffer Buffer, TBookmarkFlag Value) {}
    virtual bool IsCursorOpen() const = 0;
    virtual void InternalOpen() = 0;
    virtual void InternalClose() = 0;
    virtual void InternalInitFieldDefs() = 0;
    virtual void InternalFirst() = 0;
    virtual void InternalLast() = 0;
    virtual void InternalHandleException() {}
    // The base checks the required fields ("Field '<name>' must have a value").
    virtual void InternalPost();
    virtual void InternalDelete() {}
    virtual void InternalAddRecord(TRecordBuffer Buffer, bool Append) {}
    virtual void InternalEdit() {}
    virtual void InternalInsert() {}
    virtual void InternalCancel() {}
    virtual void InternalRefresh() {}
    virtual void InternalGotoBookmark(const TBookmark& Bookmark) {}
    virtual void InternalSetToRecord(TRecordBuffer Buffer) {}
    virtual Integer GetRecNo() const { return -1; }
    virtual Integer GetRecordCount() const { return -1; }
    virtual bool GetCanModify() const { return true; }
    virtual void SetFilterText(const String& Value) { FFilterText = Value; }

    // Opening steps a concrete dataset may extend. OpenCursor(true) only wants
    // the field definitions.
    virtual void OpenCursor(bool InfoQuery);
    virtual void CloseCursor();
    void CreateFields();
    void DestroyFields();
    // Ties data fields to their definitions (raises "Field '<name>' not found" for a
    // persistent field without one) or unties them.
    void BindFields(bool Binding);

    // The buffer window.
    TRecordBuffer ActiveBuffer() const { return FBuffers[static_cast<size_t>(FActiveRecord)]; }
    // The buffer field access works on in the current state, null when none.
    TRecordBuffer ActiveRecordBuffer() const;
    TRecordBuffer CalcBuffer() const { return FCalcBuffer; }
    Integer BufferCount() const { return FBufferCount; }
    Integer ActiveRecord() const { return FActiveRecord; }
    Integer CurrentRecord() const { return FCurrentRecord; }
    Integer BufferedRecordCount() const { return FRecordCount; }
    void SetState(TDataSetState Value);
    TDataSetState SetTempState(TDataSetState Value);
    void RestoreState(TDataSetState Value);
    void SetModified(bool Value) { FModified = Value; }
    // Computes the calculated fields of Buffer (OnCalcFields).
    void GetCalcFields(TRecordBuffer Buffer);
    virtual void ClearCalcFields(TRecordBuffer Buffer);
    virtual void CalculateFields(TRecordBuffer Buffer);

    virtual void DoBeforeScroll();
    virtual void DoAfterScroll();

private:
    friend class TDataLink;
    friend class TDataSource;
    friend class TField;
    friend class TFields;

    void FieldListChanged();
    void DoInternalOpen();
    void AddDataSource(TDataSource* DataSource);
    void RemoveDataSource(TDataSource* DataSource);
    void UpdateBufferCount();
    void SetBufferCount(Integer Value);
    void SetBufListSize(Integer Value);
    void FreeBuffers();
    void ClearBuffers();
    void ActivateBuffers();
    void MoveBuffer(Integer CurIndex, Integer NewIndex);
    void SetCurrentRecord(Integer Index);
    bool GetNextRecord();
    bool GetPriorRecord();
    Integer GetNextRecords();
    Integer GetPriorRecords();
    TGetResult FetchRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck);
    bool FilterAccepts(TRecordBuffer Buffer);
    bool FindRecord(const std::vector<TField*>& Keys, const std::vector<Variant>& KeyValues,
                    TLocateOptions Options, TRecordBuffer Buffer);
    void BeginInsertAppend();
    void EndInsertAppend();
    void CheckCanModify() const;
    void CheckOperation(void (TDataSet::*Operation)(), const TDataSetErrorEvent& ErrorEvent);
    void UpdateCalcFields();
    void Fire(const TDataSetNotifyEvent& Event) {
        if (Event) Event(this);
    }

    TDataSetState FState = dsInactive;
    std::unique_ptr<TFields> FFields;
    std::unique_ptr<TFieldDefs> FFieldDefs;
    std::vector<TDataSource*> FDataSources;
    std::vector<TRecordBuffer> FBuffers;
    Integer FBufferCount = 0;
    Integer FRecordCount = 0;
    Integer FActiveRecord = 0;
    Integer FCurrentRecord = -1;
    Integer FCalcFieldsCount = 0;
    Integer FDisableCount = 0;
    TDataSetState FDisableState = dsInactive;
    TDataEvent FEnableEvent = deDataSetChange;
    TRecordBuffer FCalcBuffer = nullptr;
    TRecordBuffer FFilterBuffer = nullptr;
    String FFilterText;
    bool FBOF = true;
    bool FEOF = true;
    bool FModified = false;
    bool FDefaultFields = false;
    bool FFiltered = false;
    bool FAutoCalcFields = true;
    bool FUniDirectional = false;
    bool FStreamedActive = false;
    bool FInternalOpenComplete = false;
    bool FLinksReleased = false; // links were told of a close while controls were disabled
};
