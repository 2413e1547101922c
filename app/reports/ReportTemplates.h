#pragma once
// The report templates stored inside the program: each is the "ReportForm" property
// of a report-host form (stream version, size, template stream), compiled from its
// description in resources/reports by tools/reportc and loaded when the form is made.
#include "platform/core/Types.h"

#include <cstddef>

class TrpReport;

namespace app {

namespace detail {
struct TemplateBytes {
    const char* Name;
    const unsigned char* Data;
    std::size_t Size;
};
// Written by tools/reportc.
extern const TemplateBytes Templates[];
extern const std::size_t TemplateCount;
} // namespace detail

// Loads the stored template Name ("ugyitemfrf_rpReport1") into Report, which keeps
// it inside its form (StoreInDFM). A name with no stored template, or bytes that do
// not hold a template, show "A(z) <Name> nyomtatási sablon nem olvasható: <reason>"
// and leave Report with one empty page; the engine itself reports a template stream
// it cannot read ("Unsupported RPF format"). Nothing is raised.
void LoadReportTemplate(TrpReport& Report, const String& Name);
// As above from the given "ReportForm" bytes.
void LoadReportTemplate(TrpReport& Report, const String& Name, const unsigned char* Data, std::size_t Size);

} // namespace app
