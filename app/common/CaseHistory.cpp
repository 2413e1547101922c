#include "app/common/CaseHistory.h"

#include "app/common/FieldValues.h"
#include "controls/TUtlStarter.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TField.h"
#include "platform/ui/MessageDialogs.h"

namespace app {

String HistoryDateText(TField* Datum) {
    try {
        const std::optional<TDateTime> date = FieldDate(Datum);
        return date ? DateToStr(*date) : String();
    } catch (const EConvertError&) {
        return Datum->AsString();
    }
}

HistoryClick HistoryDoubleClick(const String& FieldName, const String& FileName) {
    if (SameText(FieldName, "megjegyzes")) return HistoryClick::ShowNote;
    if (SameText(FieldName, "ufile") && !FileName.empty())
        return FileExists(FileName) ? HistoryClick::OpenFile : HistoryClick::FileMissing;
    return HistoryClick::Nothing;
}

void OpenAttachedFile(TUtlStarter& Starter, const String& FileName) {
    Starter.SetString(0, FileName);
    Starter.Execute();
}

void OpenListedFile(TUtlStarter& Starter, const String& FileName) {
    if (FileExists(FileName))
        OpenAttachedFile(Starter, FileName);
    else
        ShowMessage(FileName + "\n A fájl nem található");
}

} // namespace app
