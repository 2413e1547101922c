#include "sqlite/TFResult.h"

#include <algorithm>
#include <cstring>

using sqlite::RowImage;
using sqlite::SlotKind;

namespace {

// Block layout: null flags (one bit per field), then one 8-byte cell per field
// (the integer, the double, or offset and length of the bytes), then the bytes.
constexpr std::size_t CellSize = 8;

std::size_t FlagBytes(std::size_t fields) {
    return (fields + 7) / 8;
}

std::size_t CellsOffset(std::size_t fields) {
    return FlagBytes(fields);
}

std::size_t BytesOffset(std::size_t fields) {
    return FlagBytes(fields) + fields * CellSize;
}

} // namespace

void TFResult::SetLayout(std::vector<SlotKind> kinds) {
    FKinds = std::move(kinds);
}

unsigned char* TFResult::Allocate(std::size_t size) {
    constexpr std::size_t ChunkSize = 256 * 1024;
    // Every block starts on an 8-byte boundary.
    size = (size + 7) & ~std::size_t(7);
    if (size > ChunkSize / 4) {
        // A large value gets a chunk of its own, kept out of the current one.
        auto own = std::make_unique_for_overwrite<unsigned char[]>(size);
        unsigned char* block = own.get();
        FChunks.insert(FChunks.end() - (FChunks.empty() ? 0 : 1), std::move(own));
        FChunkBytes += size;
        return block;
    }
    if (FChunks.empty() || FChunkUsed + size > FChunkSize) {
        FChunks.push_back(std::make_unique_for_overwrite<unsigned char[]>(ChunkSize));
        FChunkSize = ChunkSize;
        FChunkUsed = 0;
        FChunkBytes += ChunkSize;
    }
    unsigned char* block = FChunks.back().get() + FChunkUsed;
    FChunkUsed += size;
    return block;
}

unsigned char* TFResult::Pack(const RowImage& row) {
    const std::size_t n = FKinds.size();
    std::size_t size = BytesOffset(n);
    for (std::size_t i = 0; i < n && i < row.Count(); ++i)
        if (FKinds[i] == SlotKind::Bytes && !row[i].Null) size += row[i].Bytes.size();

    unsigned char* block = Allocate(size);
    std::memset(block, 0, BytesOffset(n));
    std::size_t tail = BytesOffset(n);
    for (std::size_t i = 0; i < n && i < row.Count(); ++i) {
        const sqlite::Slot& slot = row[i];
        if (slot.Null) continue;
        block[i / 8] |= static_cast<unsigned char>(1u << (i % 8));
        unsigned char* cell = block + CellsOffset(n) + i * CellSize;
        switch (FKinds[i]) {
        case SlotKind::Integer:
            std::memcpy(cell, &slot.Int, CellSize);
            break;
        case SlotKind::Float:
            std::memcpy(cell, &slot.Float, CellSize);
            break;
        case SlotKind::Bytes: {
            const auto offset = static_cast<std::uint32_t>(tail);
            const auto length = static_cast<std::uint32_t>(slot.Bytes.size());
            std::memcpy(cell, &offset, 4);
            std::memcpy(cell + 4, &length, 4);
            std::memcpy(block + tail, slot.Bytes.data(), slot.Bytes.size());
            tail += slot.Bytes.size();
            break;
        }
        }
    }
    return block;
}

void TFResult::Add(const RowImage& row, Int64 rowId) {
    ++FLastBookmark;
    if (rowId < 0) rowId = static_cast<Int64>(FRows.size());
    FRows.push_back(Row{Pack(row), FLastBookmark, rowId});
}

void TFResult::Insert(Integer index, const RowImage& row, Int64 rowId) {
    ++FLastBookmark;
    Row stored{Pack(row), FLastBookmark, rowId};
    if (index >= 0 && index < Count()) {
        FRows.insert(FRows.begin() + index, std::move(stored));
        FOrdered = false;
    } else {
        FRows.push_back(std::move(stored));
    }
}

void TFResult::Replace(Integer index, const RowImage& row) {
    if (!InRange(index)) return;
    FRows[static_cast<std::size_t>(index)].Block = Pack(row);
}

void TFResult::Delete(Integer index) {
    if (!InRange(index)) return;
    FRows.erase(FRows.begin() + index);
}

const unsigned char* TFResult::Cell(Integer index, std::size_t field) const {
    return FRows[static_cast<std::size_t>(index)].Block + CellsOffset(FKinds.size()) +
           field * CellSize;
}

bool TFResult::IsNull(Integer index, std::size_t field) const {
    const unsigned char* block = FRows[static_cast<std::size_t>(index)].Block;
    return (block[field / 8] & (1u << (field % 8))) == 0;
}

Int64 TFResult::GetInteger(Integer index, std::size_t field) const {
    Int64 value;
    std::memcpy(&value, Cell(index, field), CellSize);
    return value;
}

double TFResult::GetFloat(Integer index, std::size_t field) const {
    double value;
    std::memcpy(&value, Cell(index, field), CellSize);
    return value;
}

std::string_view TFResult::GetBytes(Integer index, std::size_t field) const {
    const unsigned char* cell = Cell(index, field);
    std::uint32_t offset;
    std::uint32_t length;
    std::memcpy(&offset, cell, 4);
    std::memcpy(&length, cell + 4, 4);
    if (length == 0) return {};
    const unsigned char* block = FRows[static_cast<std::size_t>(index)].Block;
    return {reinterpret_cast<const char*>(block + offset), length};
}

bool TFResult::GetData(Integer index, RowImage& row) const {
    if (!InRange(index)) return false;
    const std::size_t n = FKinds.size();
    if (row.Count() != n) row.Resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        sqlite::Slot& slot = row[i];
        slot.Null = IsNull(index, i);
        slot.Int = 0;
        slot.Float = 0.0;
        slot.Bytes.clear();
        if (slot.Null) continue;
        switch (FKinds[i]) {
        case SlotKind::Integer: slot.Int = GetInteger(index, i); break;
        case SlotKind::Float: slot.Float = GetFloat(index, i); break;
        case SlotKind::Bytes: {
            const std::string_view bytes = GetBytes(index, i);
            slot.Bytes.assign(bytes.data(), bytes.size());
            break;
        }
        }
    }
    return true;
}

Integer TFResult::GetBookmark(Integer index) const {
    return InRange(index) ? FRows[static_cast<std::size_t>(index)].Bookmark : -1;
}

Int64 TFResult::GetRowId(Integer index) const {
    return InRange(index) ? FRows[static_cast<std::size_t>(index)].RowId : -1;
}

Integer TFResult::IndexOf(Integer bookmark) const {
    if (FOrdered) {
        const auto it = std::lower_bound(FRows.begin(), FRows.end(), bookmark,
                                         [](const Row& r, Integer b) { return r.Bookmark < b; });
        if (it != FRows.end() && it->Bookmark == bookmark)
            return static_cast<Integer>(it - FRows.begin());
        return -1;
    }
    for (std::size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].Bookmark == bookmark) return static_cast<Integer>(i);
    return -1;
}

std::size_t TFResult::MemoryUsed() const {
    return FChunkBytes + FRows.capacity() * sizeof(Row);
}
