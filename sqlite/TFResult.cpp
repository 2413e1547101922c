#include "sqlite/TFResult.h"

#include <algorithm>
#include <cstring>
#include <mutex>

using sqlite::RowImage;
using sqlite::SlotKind;

namespace {

// Block layout: row id (8 bytes), bookmark (4), null flags (one bit per field),
// kept-text flags (one bit per field), one 8-byte cell per field (the integer,
// the double, or offset and length of the bytes), then the bytes. A float cell
// with its kept-text flag holds offset and length of the text the engine gave,
// which read as no value of the field's type. Nothing is aligned: every access copies.
constexpr std::size_t RowIdOffset = 0;
constexpr std::size_t BookmarkOffset = 8;
constexpr std::size_t FlagsOffset = 12;
constexpr std::size_t CellSize = 8;

std::size_t FlagBytes(std::size_t fields) {
    return (fields + 7) / 8;
}

std::size_t CellsOffset(std::size_t fields) {
    return FlagsOffset + 2 * FlagBytes(fields);
}

// Whether the slot carries bytes in the block: texts and blobs, and the text a
// float slot kept.
bool CarriesBytes(SlotKind kind, const sqlite::Slot& slot) {
    return kind == SlotKind::Bytes || (kind == SlotKind::Float && !slot.Bytes.empty());
}

std::size_t BytesOffset(std::size_t fields) {
    return CellsOffset(fields) + fields * CellSize;
}

constexpr std::size_t ChunkSize = 256 * 1024;

// Chunks of closed stores, kept for the next store: reopening a list then
// reuses memory the process already holds instead of faulting in fresh pages.
// Capped, so a huge result closed once does not stay resident.
class ChunkPool {
public:
    // Never destroyed: stores may outlive static destruction (forms released
    // at exit), and the process hands the memory back anyway.
    static ChunkPool& Instance() {
        static ChunkPool* pool = new ChunkPool;
        return *pool;
    }
    std::unique_ptr<unsigned char[]> Take() {
        std::lock_guard<std::mutex> lock(FMutex);
        if (FChunks.empty()) return std::make_unique_for_overwrite<unsigned char[]>(ChunkSize);
        auto chunk = std::move(FChunks.back());
        FChunks.pop_back();
        return chunk;
    }
    void Give(std::unique_ptr<unsigned char[]> chunk) {
        std::lock_guard<std::mutex> lock(FMutex);
        if (FChunks.size() < MaxChunks) FChunks.push_back(std::move(chunk));
    }

private:
    static constexpr std::size_t MaxChunks = (64u << 20) / ChunkSize;
    std::mutex FMutex;
    std::vector<std::unique_ptr<unsigned char[]>> FChunks;
};

template <class T> T Read(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

void TFResult::SetLayout(std::vector<SlotKind> kinds) {
    FKinds = std::move(kinds);
}

TFResult::~TFResult() {
    for (std::size_t i = 0; i < FChunks.size(); ++i)
        if (FChunkSizes[i] == ChunkSize) ChunkPool::Instance().Give(std::move(FChunks[i]));
}

unsigned char* TFResult::Allocate(std::size_t size) {
    // Most rows fit the current chunk.
    if (size <= ChunkSize / 4 && FChunkUsed + size <= ChunkSize && !FChunks.empty()) {
        unsigned char* block = FChunks.back().get() + FChunkUsed;
        FChunkUsed += size;
        return block;
    }
    return AllocateAnew(size);
}

unsigned char* TFResult::AllocateAnew(std::size_t size) {
    if (size > ChunkSize / 4) {
        // A large value gets a chunk of its own, kept out of the current one.
        auto own = std::make_unique_for_overwrite<unsigned char[]>(size);
        unsigned char* block = own.get();
        const std::size_t at = FChunks.empty() ? 0 : FChunks.size() - 1;
        FChunks.insert(FChunks.begin() + static_cast<std::ptrdiff_t>(at), std::move(own));
        FChunkSizes.insert(FChunkSizes.begin() + static_cast<std::ptrdiff_t>(at), size);
        FChunkBytes += size;
        return block;
    }
    if (FChunks.empty() || FChunkUsed + size > ChunkSize) {
        FChunks.push_back(ChunkPool::Instance().Take());
        FChunkSizes.push_back(ChunkSize);
        FChunkUsed = 0;
        FChunkBytes += ChunkSize;
    }
    unsigned char* block = FChunks.back().get() + FChunkUsed;
    FChunkUsed += size;
    return block;
}

unsigned char* TFResult::Pack(const RowImage& row, Integer bookmark, Int64 rowId) {
    // Local pointers: a store into the block may alias anything, so members and the
    // row's slots would be read again after each one.
    const std::size_t n = FKinds.size();
    const std::size_t fields = std::min(n, row.Count());
    const SlotKind* const kinds = FKinds.data();
    const sqlite::Slot* const slots = fields ? &row[0] : nullptr;
    std::size_t size = BytesOffset(n);
    for (std::size_t i = 0; i < fields; ++i)
        if (!slots[i].Null && CarriesBytes(kinds[i], slots[i])) size += slots[i].Bytes.size();

    unsigned char* block = Allocate(size);
    std::memcpy(block + RowIdOffset, &rowId, 8);
    std::memcpy(block + BookmarkOffset, &bookmark, 4);
    std::memset(block + FlagsOffset, 0, BytesOffset(n) - FlagsOffset);
    std::size_t tail = BytesOffset(n);
    for (std::size_t i = 0; i < fields; ++i) {
        const sqlite::Slot& slot = slots[i];
        if (slot.Null) continue;
        block[FlagsOffset + i / 8] |= static_cast<unsigned char>(1u << (i % 8));
        unsigned char* cell = block + CellsOffset(n) + i * CellSize;
        if (CarriesBytes(kinds[i], slot)) {
            if (kinds[i] == SlotKind::Float)
                block[FlagsOffset + FlagBytes(n) + i / 8] |= static_cast<unsigned char>(1u << (i % 8));
            const auto offset = static_cast<std::uint32_t>(tail);
            const auto length = static_cast<std::uint32_t>(slot.Bytes.size());
            std::memcpy(cell, &offset, 4);
            std::memcpy(cell + 4, &length, 4);
            std::memcpy(block + tail, slot.Bytes.data(), slot.Bytes.size());
            tail += slot.Bytes.size();
        } else if (kinds[i] == SlotKind::Integer) {
            std::memcpy(cell, &slot.Int, CellSize);
        } else {
            std::memcpy(cell, &slot.Float, CellSize);
        }
    }
    return block;
}

void TFResult::Add(const RowImage& row, Int64 rowId) {
    ++FLastBookmark;
    if (rowId < 0) rowId = static_cast<Int64>(FRows.size());
    FRows.push_back(Pack(row, FLastBookmark, rowId));
}

void TFResult::Insert(Integer index, const RowImage& row, Int64 rowId) {
    ++FLastBookmark;
    unsigned char* block = Pack(row, FLastBookmark, rowId);
    if (index >= 0 && index < Count()) {
        FRows.insert(FRows.begin() + index, block);
        FOrdered = false;
    } else {
        FRows.push_back(block);
    }
}

void TFResult::Replace(Integer index, const RowImage& row) {
    if (!InRange(index)) return;
    FRows[static_cast<std::size_t>(index)] = Pack(row, GetBookmark(index), GetRowId(index));
}

void TFResult::Delete(Integer index) {
    if (!InRange(index)) return;
    FRows.erase(FRows.begin() + index);
}

const unsigned char* TFResult::Cell(Integer index, std::size_t field) const {
    return Block(index) + CellsOffset(FKinds.size()) + field * CellSize;
}

bool TFResult::IsNull(Integer index, std::size_t field) const {
    return (Block(index)[FlagsOffset + field / 8] & (1u << (field % 8))) == 0;
}

Int64 TFResult::GetInteger(Integer index, std::size_t field) const {
    return Read<Int64>(Cell(index, field));
}

bool TFResult::KeptText(Integer index, std::size_t field) const {
    return (Block(index)[FlagsOffset + FlagBytes(FKinds.size()) + field / 8] & (1u << (field % 8))) != 0;
}

double TFResult::GetFloat(Integer index, std::size_t field) const {
    return KeptText(index, field) ? 0.0 : Read<double>(Cell(index, field));
}

std::string_view TFResult::GetBytes(Integer index, std::size_t field) const {
    const unsigned char* cell = Cell(index, field);
    const auto offset = Read<std::uint32_t>(cell);
    const auto length = Read<std::uint32_t>(cell + 4);
    if (length == 0) return {};
    return {reinterpret_cast<const char*>(Block(index) + offset), length};
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
        case SlotKind::Integer:
            slot.Int = GetInteger(index, i);
            break;
        case SlotKind::Float:
            if (!KeptText(index, i)) {
                slot.Float = GetFloat(index, i);
                break;
            }
            [[fallthrough]];
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
    return InRange(index) ? Read<Integer>(Block(index) + BookmarkOffset) : -1;
}

Int64 TFResult::GetRowId(Integer index) const {
    return InRange(index) ? Read<Int64>(Block(index) + RowIdOffset) : -1;
}

Integer TFResult::IndexOf(Integer bookmark) const {
    auto bookmarkOf = [](const unsigned char* block) { return Read<Integer>(block + BookmarkOffset); };
    if (FOrdered) {
        const auto it =
            std::lower_bound(FRows.begin(), FRows.end(), bookmark,
                             [&](const unsigned char* r, Integer b) { return bookmarkOf(r) < b; });
        if (it != FRows.end() && bookmarkOf(*it) == bookmark) return static_cast<Integer>(it - FRows.begin());
        return -1;
    }
    for (std::size_t i = 0; i < FRows.size(); ++i)
        if (bookmarkOf(FRows[i]) == bookmark) return static_cast<Integer>(i);
    return -1;
}

std::size_t TFResult::MemoryUsed() const {
    return FChunkBytes + FRows.capacity() * sizeof(unsigned char*);
}
