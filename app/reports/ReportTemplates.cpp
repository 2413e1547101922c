#include "app/reports/ReportTemplates.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/ui/MessageDialogs.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"

namespace app {

namespace {

void Unreadable(TrpReport& Report, const String& Name, const String& Reason) {
    Report.Pages()->Clear();
    Report.Pages()->Add();
    MessageBox(nullptr, "A(z) " + Name + " nyomtatási sablon nem olvasható: " + Reason, "Hiba",
               MB_OK | MB_ICONERROR);
}

} // namespace

void LoadReportTemplate(TrpReport& Report, const String& Name) {
    for (std::size_t i = 0; i < detail::TemplateCount; ++i)
        if (Name == detail::Templates[i].Name) {
            LoadReportTemplate(Report, Name, detail::Templates[i].Data, detail::Templates[i].Size);
            return;
        }
    Unreadable(Report, Name, "nincs ilyen sablon");
}

void LoadReportTemplate(TrpReport& Report, const String& Name, const unsigned char* Data, std::size_t Size) {
    Report.SetStoreInDFM(true);
    TMemoryStream stream;
    if (Size > 0) stream.Write(Data, static_cast<Integer>(Size));
    stream.SetPosition(0);
    try {
        Report.ReadBinaryData(&stream);
    } catch (const Exception& e) {
        Unreadable(Report, Name, e.Message());
    }
}

} // namespace app
