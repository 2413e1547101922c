#include "platform/core/TStrings.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/SafeFileStream.h"
#include "platform/core/StrUtils.h"
#include "platform/core/StringsUpdate.h"
#include "platform/core/TFileStream.h"

namespace {

// Bytes up to and including the space count as white space for delimited text.
bool IsBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

} // namespace

void TStrings::Error(const String& Msg) {
    throw EStringListError(Msg);
}

void TStrings::IndexError(Integer Index) {
    Error(Format(SListIndexError, {Index}));
}

void TStrings::Put(Integer Index, const String& S) {
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

Integer TStrings::Add(const String& S) {
    const Integer index = Count();
    Insert(index, S);
    return index;
}

Integer TStrings::AddObject(const String& S, TObject* AObject) {
    const Integer index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::InsertObject(Integer Index, const String& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(TStrings* Strings) {
    core::UpdateScope scope(*this);
    for (Integer i = 0; i < Strings->Count(); ++i)
        AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::Exchange(Integer Index1, Integer Index2) {
    core::UpdateScope scope(*this);
    const String s1 = Get(Index1);
    TObject* o1 = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, s1);
    PutObject(Index2, o1);
}

void TStrings::Move(Integer CurIndex, Integer NewIndex) {
    if (CurIndex == NewIndex) return;
    // Checked before the string is taken out, so a bad target loses nothing.
    if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
    core::UpdateScope scope(*this);
    const String s = Get(CurIndex);
    TObject* object = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, object);
}

Integer TStrings::IndexOf(const String& S) const {
    for (Integer i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

Integer TStrings::IndexOfObject(TObject* AObject) const {
    for (Integer i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

bool TStrings::Equals(TStrings* Strings) const {
    if (Strings == nullptr || Strings->Count() != Count()) return false;
    for (Integer i = 0; i < Count(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

void TStrings::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TStrings*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    core::UpdateScope scope(*this);
    Clear();
    FDelimiter = source->FDelimiter;
    FQuoteChar = source->FQuoteChar;
    FNameValueSeparator = source->FNameValueSeparator;
    AddStrings(source);
}

Integer TStrings::CompareStrings(const String& S1, const String& S2) const {
    return AnsiCompareText(S1, S2);
}

// ---- name=value --------------------------------------------------------------

String TStrings::Names(Integer Index) const {
    const String s = Get(Index);
    const auto sep = s.find(FNameValueSeparator);
    return sep == String::npos ? String() : s.substr(0, sep);
}

Integer TStrings::IndexOfName(const String& Name) const {
    for (Integer i = 0; i < Count(); ++i) {
        const String s = Get(i);
        const auto sep = s.find(FNameValueSeparator);
        if (sep != String::npos && CompareStrings(s.substr(0, sep), Name) == 0) return i;
    }
    return -1;
}

String TStrings::Values(const String& Name) const {
    const Integer index = IndexOfName(Name);
    return index >= 0 ? ValueFromIndex(index) : String();
}

String TStrings::ValueFromIndex(Integer Index) const {
    // A line without a separator has no value (rather than losing its first character).
    const String s = Get(Index);
    const auto sep = s.find(FNameValueSeparator);
    return sep == String::npos ? String() : s.substr(sep + 1);
}

void TStrings::SetValue(const String& Name, const String& Value) {
    Integer index = IndexOfName(Name);
    if (!Value.empty()) {
        if (index < 0) index = Add(String());
        Put(index, Name + FNameValueSeparator + Value);
    } else if (index >= 0) {
        Delete(index);
    }
}

// ---- Text ------------------------------------------------------------------

String TStrings::Text() const {
    String result;
    for (Integer i = 0; i < Count(); ++i) {
        result += Get(i);
        result += "\r\n";
    }
    return result;
}

void TStrings::SetText(const String& Value) {
    core::UpdateScope scope(*this);
    Clear();
    size_t p = 0;
    const size_t n = Value.size();
    while (p < n) {
        const size_t start = p;
        while (p < n && Value[p] != '\r' && Value[p] != '\n')
            ++p;
        Add(Value.substr(start, p - start));
        if (p < n && Value[p] == '\r') ++p;
        if (p < n && Value[p] == '\n') ++p;
    }
}

String TStrings::DelimitedText() const {
    return JoinDelimited(FDelimiter, FQuoteChar);
}

void TStrings::SetDelimitedText(const String& Value) {
    SplitDelimited(Value, FDelimiter, FQuoteChar);
}

String TStrings::CommaText() const {
    return JoinDelimited(',', '"');
}

void TStrings::SetCommaText(const String& Value) {
    SplitDelimited(Value, ',', '"');
}

String TStrings::JoinDelimited(char Delim, char Quote) const {
    const Integer count = Count();
    if (count == 1 && Get(0).empty()) return String(2, Quote);
    String result;
    for (Integer i = 0; i < count; ++i) {
        String s = Get(i);
        bool quote = false;
        for (char c : s) {
            if (IsBlank(c) || c == Quote || c == Delim) {
                quote = true;
                break;
            }
        }
        if (quote) s = AnsiQuotedStr(s, Quote);
        if (i > 0) result += Delim;
        result += s;
    }
    return result;
}

void TStrings::SplitDelimited(const String& Value, char Delim, char Quote) {
    core::UpdateScope scope(*this);
    Clear();
    size_t p = 0;
    const size_t n = Value.size();
    while (p < n && IsBlank(Value[p]))
        ++p;
    while (p < n) {
        String s;
        if (Value[p] == Quote) {
            // A quoted item runs to the closing quote (or the end); doubled quotes give one.
            ++p;
            while (p < n) {
                if (Value[p] == Quote) {
                    if (p + 1 < n && Value[p + 1] == Quote) {
                        s += Quote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                s += Value[p++];
            }
        } else {
            const size_t start = p;
            while (p < n && !IsBlank(Value[p]) && Value[p] != Delim)
                ++p;
            s = Value.substr(start, p - start);
        }
        Add(s);
        while (p < n && IsBlank(Value[p]))
            ++p;
        if (p < n && Value[p] == Delim) {
            if (p + 1 == n) Add(String());
            do
                ++p;
            while (p < n && IsBlank(Value[p]));
        }
    }
}

// ---- Updates -----------------------------------------------------------------

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    --FUpdateCount;
    if (FUpdateCount == 0) SetUpdateState(false);
}

// ---- Files and streams -------------------------------------------------------

void TStrings::LoadFromFile(const String& FileName, int CodePage) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream, CodePage);
}

void TStrings::SaveToFile(const String& FileName, int CodePage) const {
    core::SafeFileStream stream(FileName);
    SaveToStream(&stream, CodePage);
    stream.Commit();
}

void TStrings::LoadFromStream(TStream* Stream, int CodePage) {
    core::UpdateScope scope(*this);
    const Int64 size = Stream->Size() - Stream->Position();
    std::string bytes(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    SetText(CodePageToUtf8(bytes, CodePage));
}

void TStrings::SaveToStream(TStream* Stream, int CodePage) const {
    const std::string bytes = Utf8ToCodePage(Text(), CodePage);
    if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}
