// Bookmarks, filtering and searching of TDataSet.
#include "platform/data/TDataSet.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"

#include <utility>

namespace {

bool KeyMatches(const String& FieldText, const String& KeyText, TLocateOptions Options) {
    String text = FieldText;
    if (Options.Contains(loPartialKey) && Length(text) >= Length(KeyText))
        text = Copy(text, 1, Length(KeyText));
    if (Options.Contains(loCaseInsensitive)) return AnsiCompareText(text, KeyText) == 0;
    return text == KeyText;
}

} // namespace

bool TDataSet::BookmarkAvailable() const {
    return (FState == dsBrowse || FState == dsEdit || FState == dsInsert) && !IsEmpty() &&
           GetBookmarkFlag(ActiveBuffer()) == bfCurrent;
}

TBookmark TDataSet::GetBookmark() const {
    TBookmark bookmark;
    if (BookmarkAvailable()) GetBookmarkData(ActiveBuffer(), bookmark);
    return bookmark;
}

void TDataSet::GotoBookmark(const TBookmark& Bookmark) {
    if (Bookmark.empty()) return;
    CheckBrowseMode();
    DoBeforeScroll();
    InternalGotoBookmark(Bookmark);
    Resync({rmExact, rmCenter});
    DoAfterScroll();
}

Integer TDataSet::CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const {
    return 0;
}

void TDataSet::SetFiltered(bool Value) {
    if (Value == FFiltered) return;
    if (Active()) {
        CheckBrowseMode();
        FFiltered = Value;
        First();
    } else {
        FFiltered = Value;
    }
}

std::vector<TField*> TDataSet::KeyFieldList(const String& KeyFields) const {
    std::vector<TField*> fields;
    size_t start = 0;
    while (start <= KeyFields.size()) {
        size_t end = KeyFields.find(';', start);
        if (end == String::npos) end = KeyFields.size();
        const String name = Trim(KeyFields.substr(start, end - start));
        if (!name.empty()) fields.push_back(FieldByName(name));
        start = end + 1;
    }
    return fields;
}

bool TDataSet::FindRecord(const std::vector<TField*>& Keys, const std::vector<Variant>& KeyValues,
                          TLocateOptions Options, TRecordBuffer Buffer) {
    // Rows are read into the spare buffer and compared in the filter state, so
    // the window the controls see stays untouched until a row is found.
    std::vector<String> keyTexts;
    for (size_t i = 0; i < Keys.size(); ++i)
        keyTexts.push_back(i < KeyValues.size() ? VarToStr(KeyValues[i]) : String());
    CursorPosChanged();
    InternalFirst();
    while (FetchRecord(Buffer, gmNext, false) == grOK) {
        bool match = true;
        {
            const TDataSetState saved = SetTempState(dsFilter);
            const TRecordBuffer savedBuffer = std::exchange(FFilterBuffer, Buffer);
            const core::ScopeExit restore([&] {
                FFilterBuffer = savedBuffer;
                RestoreState(saved);
            });
            for (size_t i = 0; i < Keys.size() && match; ++i)
                match = KeyMatches(Keys[i]->AsString(), keyTexts[i], Options);
        }
        if (match) return true;
    }
    return false;
}

bool TDataSet::Locate(const String& KeyFields, const Variant& KeyValue, TLocateOptions Options) {
    return Locate(KeyFields, std::vector<Variant>{KeyValue}, Options);
}

bool TDataSet::Locate(const String& KeyFields, const std::vector<Variant>& KeyValues,
                      TLocateOptions Options) {
    CheckBrowseMode();
    const std::vector<TField*> keys = KeyFieldList(KeyFields);
    TRecordBuffer spare = FBuffers[static_cast<size_t>(FRecordCount)];
    if (!FindRecord(keys, KeyValues, Options, spare)) {
        CursorPosChanged();
        return false;
    }
    DoBeforeScroll();
    InternalSetToRecord(spare);
    Resync({rmExact, rmCenter});
    DoAfterScroll();
    return true;
}

Variant TDataSet::Lookup(const String& KeyFields, const Variant& KeyValue, const String& ResultFields) {
    return Lookup(KeyFields, std::vector<Variant>{KeyValue}, ResultFields);
}

Variant TDataSet::FieldValues(const String& FieldNames) const {
    const std::vector<TField*> fields = KeyFieldList(FieldNames);
    if (fields.size() == 1) return fields.front()->Value();
    std::vector<Variant> values;
    values.reserve(fields.size());
    for (TField* field : fields)
        values.push_back(field->Value());
    return VarArrayOf(std::move(values));
}

Variant TDataSet::Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues,
                         const String& ResultFields) {
    CheckBrowseMode();
    const std::vector<TField*> keys = KeyFieldList(KeyFields);
    KeyFieldList(ResultFields); // unknown names raise before anything moves
    TRecordBuffer spare = FBuffers[static_cast<size_t>(FRecordCount)];
    // The cursor was used for the search; the next move sets it again.
    const core::ScopeExit forgetCursor([this] { CursorPosChanged(); });
    if (!FindRecord(keys, KeyValues, {}, spare)) return Null;
    TDataSetState saved = SetTempState(dsFilter);
    FFilterBuffer = spare;
    const core::ScopeExit restore([&] {
        FFilterBuffer = nullptr;
        RestoreState(saved);
    });
    return FieldValues(ResultFields);
}
