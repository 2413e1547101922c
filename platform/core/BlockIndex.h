#pragma once
// What the report build's memories of text widths and wrapped paragraphs share: their bytes
// lie one after another in large blocks, and their entries are found through an
// open-addressed index of entry numbers, so a look-up reads two places and forgetting a
// million entries frees a few blocks rather than a million strings.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace core {

// Room handed out from large blocks; nothing is given back until Clear.
class ByteBlocks {
public:
    explicit ByteBlocks(std::size_t BlockBytes) : FBlockBytes(BlockBytes) {}

    // Size bytes of room. Never null, so a zero-length copy or comparison is defined.
    char* Take(std::size_t Size) {
        static char none = 0;
        if (Size == 0) return &none;
        if (Size > FLeft) {
            const std::size_t block = std::max(FBlockBytes, Size);
            FBlocks.push_back(std::make_unique<char[]>(block));
            FFree = FBlocks.back().get();
            FLeft = block;
        }
        char* at = FFree;
        FFree += Size;
        FLeft -= Size;
        FUsed += Size;
        return at;
    }
    // Bytes taken since the last Clear.
    std::size_t Used() const { return FUsed; }
    // Forgets everything taken; with KeepFirst the first block stays to be filled again.
    void Clear(bool KeepFirst) {
        FBlocks.resize(KeepFirst ? std::min<std::size_t>(FBlocks.size(), 1) : 0);
        FFree = FBlocks.empty() ? nullptr : FBlocks.front().get();
        FLeft = FBlocks.empty() ? 0 : FBlockBytes;
        FUsed = 0;
    }

private:
    std::size_t FBlockBytes;
    std::vector<std::unique_ptr<char[]>> FBlocks;
    char* FFree = nullptr;
    std::size_t FLeft = 0;
    std::size_t FUsed = 0;
};

// Entry numbers by hash, probed linearly. A slot holds its entry's number plus one, 0 when
// empty; the index doubles when it is half full.
class HashSlots {
public:
    std::size_t First(std::uint64_t Hash) const { return Hash & FMask; }
    std::size_t Next(std::size_t Slot) const { return (Slot + 1) & FMask; }
    std::uint32_t At(std::size_t Slot) const { return FSlots[Slot]; }
    // The empty slot ending Hash's chain.
    std::size_t FreeSlot(std::uint64_t Hash) const {
        std::size_t slot = First(Hash);
        while (FSlots[slot] != 0)
            slot = Next(slot);
        return slot;
    }
    // Puts entry Index into Slot, found empty by the caller's probe; Count is the number of
    // entries now held and HashOf(k) answers entry k's hash when the index grows.
    template <class HashOfEntry>
    void Put(std::size_t Slot, std::uint32_t Index, std::size_t Count, const HashOfEntry& HashOf) {
        FSlots[Slot] = Index + 1;
        if (Count * 2 <= FSlots.size()) return;
        FSlots.assign(FSlots.size() * 2, 0);
        FMask = FSlots.size() - 1;
        for (std::size_t k = 0; k < Count; ++k)
            FSlots[FreeSlot(HashOf(k))] = static_cast<std::uint32_t>(k + 1);
    }
    // Every slot empty; with KeepRoom the slots made stay.
    void Clear(bool KeepRoom) {
        if (KeepRoom) {
            std::fill(FSlots.begin(), FSlots.end(), 0);
            return;
        }
        FSlots.assign(Start, 0);
        FMask = Start - 1;
    }

private:
    static constexpr std::size_t Start = 1024;
    std::vector<std::uint32_t> FSlots = std::vector<std::uint32_t>(Start, 0);
    std::size_t FMask = Start - 1;
};

} // namespace core
