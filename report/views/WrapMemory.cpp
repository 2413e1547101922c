#include "report/views/detail/WrapMemory.h"

#include "platform/core/BlockIndex.h"
#include "platform/core/TStrings.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

namespace report {

namespace {

bool SameSetting(const WrapSetting& a, const WrapSetting& b) {
    return a.Measurer == b.Measurer && a.CharExtra == b.CharExtra && a.Available == b.Available &&
           a.Flags == b.Flags && a.Font.Height == b.Font.Height && a.Font.Style == b.Font.Style &&
           a.Font.Charset == b.Font.Charset && a.Font.Pitch == b.Font.Pitch &&
           a.Font.Orientation == b.Font.Orientation && a.Font.Name == b.Font.Name;
}

// A remembered paragraph: its text, then its records, each its size and its bytes, lie
// together in the memory's blocks, so a look-up reads them from one place and forgetting
// them all is a few frees.
struct Entry {
    std::uint64_t Hash;
    const char* Text;
    std::uint32_t TextSize;
    std::uint32_t Setting;
    std::uint32_t Records;
};

// Bytes of text held before the memory starts afresh.
constexpr std::size_t HeldBytes = std::size_t{128} << 20;
constexpr std::size_t BlockBytes = std::size_t{1} << 20;

class Memory {
public:
    void Add(const WrapSetting& Setting, const String& Paragraph, TStrings& Out,
             const std::function<std::vector<String>()>& Wrap) {
        const std::uint32_t setting = SettingIndex(Setting);
        // Replaying, the paragraph is most likely the one laid out at this turn before.
        if (FReplaying && FCursor < FOrder.size()) {
            const Entry& e = FEntries[FOrder[FCursor++]];
            if (Holds(e, setting, Paragraph)) {
                Emit(e, Out);
                return;
            }
        }
        const std::uint64_t hash = std::hash<std::string_view>()(Paragraph) ^ (std::uint64_t{setting} << 48);
        std::size_t slot = FSlots.First(hash);
        for (; FSlots.At(slot) != 0; slot = FSlots.Next(slot)) {
            const std::uint32_t index = FSlots.At(slot) - 1;
            const Entry& e = FEntries[index];
            if (e.Hash == hash && Holds(e, setting, Paragraph)) {
                if (!FReplaying) FOrder.push_back(index);
                Emit(e, Out);
                return;
            }
        }
        const std::vector<String> records = Wrap();
        for (const String& r : records)
            Out.Add(r);
        std::size_t size = Paragraph.size();
        for (const String& r : records)
            size += sizeof(std::uint32_t) + r.size();
        if (FBytes.Used() + size > HeldBytes || Paragraph.size() > UINT32_MAX ||
            FEntries.size() >= UINT32_MAX / 2) {
            Forget();
            return;
        }
        char* at = FBytes.Take(size);
        Entry e{hash, at, static_cast<std::uint32_t>(Paragraph.size()), setting,
                static_cast<std::uint32_t>(records.size())};
        std::memcpy(at, Paragraph.data(), Paragraph.size());
        at += Paragraph.size();
        for (const String& r : records) {
            const auto n = static_cast<std::uint32_t>(r.size());
            std::memcpy(at, &n, sizeof n);
            std::memcpy(at + sizeof n, r.data(), n);
            at += sizeof n + n;
        }
        FEntries.push_back(e);
        const auto index = static_cast<std::uint32_t>(FEntries.size() - 1);
        FSlots.Put(slot, index, FEntries.size(), [this](std::size_t k) { return FEntries[k].Hash; });
        if (!FReplaying) FOrder.push_back(index);
    }

    // From here on the paragraphs are expected in the order they came since the memory
    // began: a build's final pass lays out what its counting pass did.
    void Replay() {
        FReplaying = true;
        FCursor = 0;
    }

    // Past its size the memory starts afresh, still replaying if it was (with nothing to replay).
    void Forget() {
        const bool replaying = FReplaying;
        Memory().Swap(*this);
        FReplaying = replaying;
    }

    void End() { Memory().Swap(*this); }

private:
    void Swap(Memory& Other) {
        FSettings.swap(Other.FSettings);
        FEntries.swap(Other.FEntries);
        std::swap(FSlots, Other.FSlots);
        std::swap(FBytes, Other.FBytes);
        FOrder.swap(Other.FOrder);
        std::swap(FCursor, Other.FCursor);
        std::swap(FReplaying, Other.FReplaying);
    }

    static bool Holds(const Entry& e, std::uint32_t Setting, const String& Paragraph) {
        return e.Setting == Setting && e.TextSize == Paragraph.size() &&
               std::memcmp(e.Text, Paragraph.data(), Paragraph.size()) == 0;
    }

    std::uint32_t SettingIndex(const WrapSetting& Setting) {
        for (std::size_t k = 0; k < FSettings.size(); ++k)
            if (SameSetting(FSettings[k], Setting)) return static_cast<std::uint32_t>(k);
        FSettings.push_back(Setting);
        return static_cast<std::uint32_t>(FSettings.size() - 1);
    }

    // A record is read into a buffer that keeps its room, so adding it to Out makes the
    // only copy.
    void Emit(const Entry& e, TStrings& Out) {
        const char* at = e.Text + e.TextSize;
        for (std::uint32_t k = 0; k < e.Records; ++k) {
            std::uint32_t n;
            std::memcpy(&n, at, sizeof n);
            FRecord.assign(at + sizeof n, n);
            Out.Add(FRecord);
            at += sizeof n + n;
        }
    }

    std::vector<WrapSetting> FSettings;
    std::vector<Entry> FEntries;
    core::HashSlots FSlots;
    core::ByteBlocks FBytes{BlockBytes};
    // The entries in the order they were laid out, and how far a replay has come.
    std::vector<std::uint32_t> FOrder;
    std::size_t FCursor = 0;
    bool FReplaying = false;
    String FRecord;
};

int HoldCount = 0;

Memory& Held() {
    static Memory memory;
    return memory;
}

} // namespace

WrapHold::WrapHold() {
    ++HoldCount;
}

WrapHold::~WrapHold() {
    if (--HoldCount == 0) Held().End();
}

void WrapHold::Replay() {
    if (HoldCount == 1) Held().Replay();
}

void AddWrapped(const WrapSetting& Setting, const String& Paragraph, TStrings& Out,
                const std::function<std::vector<String>()>& Wrap) {
    if (HoldCount == 0) {
        for (const String& r : Wrap())
            Out.Add(r);
        return;
    }
    Held().Add(Setting, Paragraph, Out, Wrap);
}

} // namespace report
