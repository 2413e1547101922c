#include "app/common/StorableText.h"

#include "platform/core/CodePages.h"
#include "platform/core/Format.h"
#include "platform/core/Utf8.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/TSqlite3DB.h"

namespace app {

namespace {

constexpr std::size_t MostNamed = 10;

// Marks, joiners and direction marks show nothing on their own between quotes.
bool Invisible(char32_t Ch) {
    return (Ch >= 0x0300 && Ch <= 0x036F) || (Ch >= 0x200B && Ch <= 0x200F) ||
           (Ch >= 0x2028 && Ch <= 0x202E) || (Ch >= 0x2060 && Ch <= 0x206F) ||
           (Ch >= 0xFE00 && Ch <= 0xFE0F) || Ch == 0xFEFF;
}

String Named(char32_t Ch) {
    String text;
    if (Invisible(Ch))
        text = Format("U+%.4X", {static_cast<Integer>(Ch)});
    else
        core::Utf8Append(text, Ch);
    return "„" + text + "”";
}

bool IsText(const TField* Field) {
    switch (Field->DataType()) {
    case ftString:
    case ftFixedChar:
    case ftWideString:
    case ftMemo:
    case ftFmtMemo:
        return true;
    default:
        return false;
    }
}

} // namespace

String UnstorableMessage(const std::u32string& Chars) {
    String names;
    for (std::size_t i = 0; i < Chars.size() && i < MostNamed; ++i)
        names += (i > 0 ? ", " : "") + Named(Chars[i]);
    if (Chars.size() > MostNamed) names += ", …";
    if (Chars.size() == 1) return "A(z) " + names + " karakter nem tárolható az adatbázisban.";
    return "A(z) " + names + " karakterek nem tárolhatók az adatbázisban.";
}

void CheckStorable(const TSqlite3DB& Connection, const String& Text) {
    if (Connection.UTF8()) return;
    const std::u32string unstorable = UnstorableChars(Text, CP_WINDOWS_1250);
    if (!unstorable.empty()) DatabaseError(UnstorableMessage(unstorable));
}

void CheckStorableOnPost(TDataSet& DataSet, const TSqlite3DB& Connection) {
    DataSet.BeforePost = [&Connection](TDataSet* Posted) {
        for (Integer i = 0; i < Posted->Fields()->Count(); ++i) {
            TField* field = Posted->Fields()->Fields(i);
            if (IsText(field) && !field->IsNull()) CheckStorable(Connection, field->AsString());
        }
    };
}

} // namespace app
