#include "report/detail/WrapMemory.h"

#include "platform/core/TStrings.h"

#include <memory>
#include <unordered_map>

namespace report {

namespace {

bool SameSetting(const WrapSetting& a, const WrapSetting& b) {
    return a.Measurer == b.Measurer && a.CharExtra == b.CharExtra && a.Available == b.Available &&
           a.Flags == b.Flags && a.Font.Height == b.Font.Height && a.Font.Style == b.Font.Style &&
           a.Font.Charset == b.Font.Charset && a.Font.Pitch == b.Font.Pitch &&
           a.Font.Orientation == b.Font.Orientation && a.Font.Name == b.Font.Name;
}

// The paragraphs of one setting.
struct Table {
    WrapSetting Setting;
    std::unordered_map<String, std::vector<String>> Lines;
};

// Bytes of text held, with a share for each entry's bookkeeping, before the memory starts afresh.
constexpr std::size_t HeldBytes = std::size_t{128} << 20;
constexpr std::size_t EntryBytes = 96;

int Holds = 0;
std::vector<std::unique_ptr<Table>> Tables;
std::size_t Bytes = 0;

Table& TableOf(const WrapSetting& Setting) {
    for (const auto& t : Tables)
        if (SameSetting(t->Setting, Setting)) return *t;
    Tables.push_back(std::make_unique<Table>());
    Tables.back()->Setting = Setting;
    return *Tables.back();
}

void Forget() {
    Tables.clear();
    Bytes = 0;
}

void Append(const std::vector<String>& Records, TStrings& Out) {
    for (const String& r : Records)
        Out.Add(r);
}

} // namespace

WrapHold::WrapHold() {
    ++Holds;
}

WrapHold::~WrapHold() {
    if (--Holds == 0) Forget();
}

void AddWrapped(const WrapSetting& Setting, const String& Paragraph, TStrings& Out,
                const std::function<std::vector<String>()>& Wrap) {
    if (Holds == 0) {
        Append(Wrap(), Out);
        return;
    }
    Table& table = TableOf(Setting);
    auto it = table.Lines.find(Paragraph);
    if (it == table.Lines.end()) {
        std::vector<String> records = Wrap();
        std::size_t size = EntryBytes + Paragraph.size();
        for (const String& r : records)
            size += EntryBytes / 2 + r.size();
        if (Bytes + size > HeldBytes) {
            Append(records, Out);
            Forget();
            return;
        }
        Bytes += size;
        it = table.Lines.emplace(Paragraph, std::move(records)).first;
    }
    Append(it->second, Out);
}

} // namespace report
