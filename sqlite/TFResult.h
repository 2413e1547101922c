#pragma once
// TFResult: the rows of a loaded dataset, kept in memory in result order.
// Each row is one compact block (null flags, fixed cells, then its text and blob
// bytes), so a row owns everything it holds: deleting or replacing a row never
// touches another row, and no stream outlives its row.
//
// Positions shift on Insert and Delete; bookmarks are handed out from 0 in
// increasing order and never reused while the store lives.
#include "platform/core/Types.h"
#include "sqlite/RowImage.h"

#include <memory>
#include <string_view>
#include <vector>

class TFResult {
public:
    TFResult() = default;
    // Hands its chunks to the pool the next store draws from.
    ~TFResult();
    TFResult(const TFResult&) = delete;
    TFResult& operator=(const TFResult&) = delete;

    // The kind of every field's slot, in field order. Set before the first row;
    // rows already stored keep the layout they were packed with, so change it
    // only on an empty store.
    void SetLayout(std::vector<sqlite::SlotKind> kinds);
    const std::vector<sqlite::SlotKind>& Layout() const { return FKinds; }

    // Appends a copy of row. A negative rowId stands for the row's own position.
    void Add(const sqlite::RowImage& row, Int64 rowId);
    // Inserts a copy of row at index (rowId kept as given); past the end appends.
    void Insert(Integer index, const sqlite::RowImage& row, Int64 rowId);
    // Overwrites the values of the row at index; its bookmark and row id stay.
    // Nothing happens outside 0..Count()-1.
    void Replace(Integer index, const sqlite::RowImage& row);
    // Removes the row at index; nothing happens outside 0..Count()-1.
    void Delete(Integer index);

    // Unpacks the row at index into row (resized to the layout). False, and row
    // untouched, outside 0..Count()-1.
    bool GetData(Integer index, sqlite::RowImage& row) const;

    // Single values of a stored row; index and field must be in range.
    bool IsNull(Integer index, std::size_t field) const;
    Int64 GetInteger(Integer index, std::size_t field) const;
    // 0 for a float slot that kept its text instead.
    double GetFloat(Integer index, std::size_t field) const;
    // A float slot's text the engine gave where no value of the field's type
    // could be read (its slot's Bytes were set); GetBytes then answers it.
    bool KeptText(Integer index, std::size_t field) const;
    // Valid until the row is replaced or deleted.
    std::string_view GetBytes(Integer index, std::size_t field) const;

    // -1 outside 0..Count()-1.
    Integer GetBookmark(Integer index) const;
    Int64 GetRowId(Integer index) const;
    Integer Count() const { return static_cast<Integer>(FRows.size()); }
    // Position of the row holding bookmark, -1 when none does.
    Integer IndexOf(Integer bookmark) const;
    Integer LastBookmark() const { return FLastBookmark; }

    // Bytes held by the store: its chunks and per-row bookkeeping.
    std::size_t MemoryUsed() const;

private:
    // Packs row into a new block with the given bookmark and row id.
    unsigned char* Pack(const sqlite::RowImage& row, Integer bookmark, Int64 rowId);
    unsigned char* Allocate(std::size_t size);
    // Allocate's way for a large value or a full chunk.
    unsigned char* AllocateAnew(std::size_t size);
    const unsigned char* Block(Integer index) const { return FRows[static_cast<std::size_t>(index)]; }
    const unsigned char* Cell(Integer index, std::size_t field) const;
    bool InRange(Integer index) const { return index >= 0 && index < Count(); }

    // Row blocks are carved from large chunks: loading a million rows costs a
    // few hundred allocations, not a million. A replaced or deleted row's block
    // stays in its chunk until the store is released.
    std::vector<std::unique_ptr<unsigned char[]>> FChunks;
    std::vector<std::size_t> FChunkSizes; // bytes of each chunk
    std::size_t FChunkUsed = 0;           // bytes used of the last chunk
    std::size_t FChunkBytes = 0;
    std::vector<sqlite::SlotKind> FKinds;
    std::vector<unsigned char*> FRows; // one block per row, in FChunks
    // Bookmarks stay in increasing position order until an insert lands before
    // the end; IndexOf searches by halves while that holds.
    bool FOrdered = true;
    Integer FLastBookmark = -1;
};
