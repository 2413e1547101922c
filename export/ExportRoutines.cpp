// The export unit's stand-alone routines.
#include "export/ExportRoutines.h"

#include "export/VgEGridKinds.h"
#include "platform/core/FileUtils.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/core/TypInfo.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TMetafile.h"
#include "platform/graphics/TPicture.h"
#include "platform/ui/TCustomControl.h"

#include <string_view>

String GetFileNameByGraphic(const String& FileName, Integer Index, TPicture* Picture) {
    String name;
    if (!FileName.empty()) {
        name = ExtractFilePath(FileName) + "img" + IntToStr(Index);
    } else {
        const String reserved = GetTempFileName(GetTempPath(), "VGE");
        DeleteFile(reserved);
        name = ChangeFileExt(reserved, "");
    }
    TGraphic* graphic = Picture != nullptr ? Picture->Graphic() : nullptr;
    if (auto* metafile = dynamic_cast<TMetafile*>(graphic))
        return name + (metafile->Enhanced() ? ".emf" : ".wmf");
    if (dynamic_cast<TIcon*>(graphic) != nullptr) return name + ".ico";
    return name + ".bmp";
}

TBookmarkList* GetPropAsSelectedList(TComponent* Component) {
    auto* control = dynamic_cast<TCustomControl*>(Component);
    const TVgEGridKind* kind = FindGridKind(control);
    return kind != nullptr && kind->SelectedRows ? kind->SelectedRows(control) : nullptr;
}

String TblName(const String& TableName, const String& SqlText) {
    String result = TableName;
    if (result.empty() && !SqlText.empty()) {
        std::string_view s = SqlText;
        if (const std::size_t from = s.find("FROM "); from != std::string_view::npos) s = s.substr(from + 5);
        constexpr std::string_view delimiters = "\"'(),./:;[\\]`{}";
        std::size_t end = 0;
        while (end < s.size()) {
            const auto c = static_cast<unsigned char>(s[end]);
            if (c <= 32 || delimiters.find(static_cast<char>(c)) != std::string_view::npos) break;
            ++end;
        }
        result = String(s.substr(0, end));
    }
    if (const std::size_t dot = result.find('.'); dot != String::npos) result.resize(dot);
    return result;
}

String TblName(TDataSet* DataSet) {
    if (DataSet == nullptr) return String();
    String tableName;
    if (const TPropInfo* prop = GetPropInfo(DataSet, "TableName");
        prop != nullptr && (prop->Kind == tkString || prop->Kind == tkLString) && prop->GetStr)
        tableName = prop->GetStr(DataSet);
    String sqlText;
    if (const TPropInfo* prop = GetPropInfo(DataSet, "SQL");
        tableName.empty() && prop != nullptr && prop->Kind == tkClass && prop->GetObject)
        if (auto* lines = dynamic_cast<TStrings*>(prop->GetObject(DataSet))) sqlText = lines->Text();
    return TblName(tableName, sqlText);
}

String ReplaceHTMLSystemChars(const String& S) {
    String out;
    out.reserve(S.size());
    for (std::size_t i = 0; i < S.size();) {
        const std::string_view rest = std::string_view(S).substr(i);
        const char* reference = nullptr;
        std::size_t length = 1;
        switch (S[i]) {
        case '\n':
            reference = "&car;";
            break;
        case '\r':
            reference = "&ret;";
            break;
        case '"':
            reference = "&quot;";
            break;
        case '&':
            reference = "&amp;";
            break;
        case '\'':
            reference = "&apos;";
            break;
        case '<':
            reference = "&lt;";
            break;
        case '>':
            reference = "&gt;";
            break;
        case '|':
            reference = "&brvbar;";
            break;
        default:
            // The upper characters of the table, as UTF-8.
            for (const auto& [text, name] :
                 {std::pair{"\u2122", "&trade;"}, std::pair{"\u00A9", "&copy;"}, std::pair{"\u00B0", "&deg;"},
                  std::pair{"\u00B1", "&plusmn;"}, std::pair{"\u00B6", "&para;"}}) {
                if (rest.starts_with(text)) {
                    reference = name;
                    length = std::string_view(text).size();
                }
            }
        }
        if (reference != nullptr)
            out += reference;
        else
            out.append(S, i, length);
        i += length;
    }
    return out;
}

bool IsNumericField(TField* Field) {
    if (Field == nullptr) return false;
    switch (Field->DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftAutoInc:
    case ftLargeint:
        return true;
    default:
        return false;
    }
}

bool IsStringField(TField* Field) {
    if (Field == nullptr) return false;
    const TFieldType type = Field->DataType();
    return type == ftString || type == ftMemo || type == ftFmtMemo || Field->IsBlob();
}

String PadLSpace(const String& S, Integer Len) {
    const Integer have = Length(S);
    return have >= Len ? S : String(static_cast<std::size_t>(Len - have), ' ') + S;
}

String PadRSpace(const String& S, Integer Len) {
    const Integer have = Length(S);
    return have >= Len ? S : S + String(static_cast<std::size_t>(Len - have), ' ');
}

double StrToFloatDefault(const String& S, double Default) {
    const String text = Trim(S);
    double value = 0;
    if (text.empty() || !TryStrToFloat(text, value)) return Default;
    return value;
}
