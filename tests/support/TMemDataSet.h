#pragma once
// TMemDataSet: a dataset whose rows live in memory, for tests that need a real
// TDataSet without a database. Define FieldDefs, add rows with AppendRow (or
// through Append/Insert/Post), open. Bookmarks are row serials that survive
// inserts and deletes; ReadOnly refuses changes.
#include "platform/data/TDataSet.h"

#include <initializer_list>
#include <vector>

class TMemDataSet : public TDataSet {
public:
    explicit TMemDataSet(TComponent* AOwner = nullptr);
    ~TMemDataSet() override;
    String ClassName() const override { return "TMemDataSet"; }

    // Adds a row of values in field-definition order (missing ones are null).
    void AppendRow(std::initializer_list<TFieldData> Values);
    void AppendRow(const std::vector<TFieldData>& Values);
    Integer RowCount() const { return static_cast<Integer>(FRows.size()); }
    // The stored value of a row's column, for checking what a post wrote.
    const TFieldData& RowValue(Integer Row, Integer Column) const;
    void ClearRows() { FRows.clear(); }

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    Integer CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const override;
    bool BookmarkValid(const TBookmark& Bookmark) const override;
    bool GetFieldData(TField* Field, TFieldData& Data) override;
    void SetFieldData(TField* Field, const TFieldData& Data) override;
    void SetRecNo(Integer Value) override;

    // How many times the window asked for a record; lets tests see the cost of a move.
    Integer GetRecordCalls() const { return FGetRecordCalls; }

protected:
    TRecordBuffer AllocRecordBuffer() override;
    TGetResult GetRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck) override;
    void InternalInitRecord(TRecordBuffer Buffer) override;
    void GetBookmarkData(TRecordBuffer Buffer, TBookmark& Data) const override;
    void SetBookmarkData(TRecordBuffer Buffer, const TBookmark& Data) override;
    TBookmarkFlag GetBookmarkFlag(TRecordBuffer Buffer) const override;
    void SetBookmarkFlag(TRecordBuffer Buffer, TBookmarkFlag Value) override;
    bool IsCursorOpen() const override { return FOpen; }
    void InternalOpen() override;
    void InternalClose() override;
    void InternalInitFieldDefs() override {}
    void InternalFirst() override { FCurrent = -1; }
    void InternalLast() override { FCurrent = RowCount(); }
    void InternalPost() override;
    void InternalDelete() override;
    void InternalGotoBookmark(const TBookmark& Bookmark) override;
    void InternalSetToRecord(TRecordBuffer Buffer) override;
    Integer GetRecNo() const override;
    Integer GetRecordCount() const override;
    bool GetCanModify() const override { return !FReadOnly; }

private:
    struct TRow {
        Int64 Serial;
        std::vector<TFieldData> Values;
    };

    Integer IndexOfSerial(Int64 Serial) const;

    std::vector<TRow> FRows;
    Int64 FNextSerial = 1;
    Integer FCurrent = -1;
    bool FOpen = false;
    bool FReadOnly = false;
    Integer FGetRecordCalls = 0;
};
