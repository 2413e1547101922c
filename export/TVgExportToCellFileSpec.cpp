// Saving and loading an export's settings as a ".VGE" file.
#include "export/TVgExportToCellFile.h"

#include "export/TfrmVgESaveSpec.h"
#include "export/VgESpecification.h"
#include "export/VgEUtils.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TEdit.h"

#include <memory>

namespace {

constexpr const char* SpecificationFilter = "|*.VGE|";

} // namespace

bool TVgExportToCellFile::SaveSpecification(const String& FileName, const String& SpecName) {
    String name = FileName;
    String specName = SpecName;
    if (name.empty()) {
        auto form = std::make_unique<TfrmVgESaveSpec>(nullptr);
        form->SetFilter(SpecificationFilter);
        form->edSpecName->SetText(SpecName);
        form->edFileName->SetText(
            SpecificationDir().empty() ? String() : IncludeTrailingPathDelimiter(SpecificationDir()));
        if (form->Execute() != mrOk || form->edFileName->Text().empty()) return false;
        name = form->edFileName->Text();
        specName = form->edSpecName->Text();
    }
    if (ExtractFileExt(name).empty()) name += ".vge";
    if (OnBeforeSaveSpecification) OnBeforeSaveSpecification(this, name);
    String text;
    for (const String& line :
         vgespec::Write(*this, Application != nullptr ? Application->Title() : String(), specName))
        text += line + "\r\n";
    if (!core::WriteFileAtomically(NormalizePath(name), Utf8ToCodePage(text, CP_WINDOWS_1250)))
        throw EFCreateError("Cannot create file \"" + name + "\"");
    if (OnAfterSaveSpecification) OnAfterSaveSpecification(this, name);
    return true;
}

bool TVgExportToCellFile::LoadSpecification(const String& FileName) {
    String name = FileName;
    if (name.empty() &&
        !VgEOpenSaveFileDialog("vge", SpecificationFilter, SpecificationDir(), "", name, true))
        return false;
    if (OnBeforeLoadSpecification) OnBeforeLoadSpecification(this, name);
    const std::optional<std::string> bytes = core::ReadWholeFile(NormalizePath(name));
    if (!bytes) throw EFOpenError("Cannot open file \"" + name + "\"");
    std::vector<String> lines;
    const String text = CodePageToUtf8(*bytes, CP_WINDOWS_1250);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == String::npos) end = text.size();
        String line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    vgespec::Read(*this, lines);
    if (OnAfterLoadSpecification) OnAfterLoadSpecification(this, name);
    return true;
}
