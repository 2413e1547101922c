// Fuzz target of the prepared-report reader: any bytes either load into pages
// or raise a stream error (or, for a damaged metafile page of an older file,
// the graphic error) with the pages untouched; loaded pages save and load
// again to the same bytes, and their objects are made and drawn without a
// crash or sanitizer report.
#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/DialogHook.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/engine/rpEngine.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Save(TrpEMFPages& pages) {
    TMemoryStream s;
    pages.SaveToStream(&s);
    return std::string(reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = (rpInitEngine(), ui::SetDialogHook([](const ui::DialogRequest&) {
                                   return ui::DialogAnswer{1, {}};
                               }),
                               true);
    (void)ready;
    TrpReport report(nullptr);
    TMemoryStream in;
    if (size) in.WriteBuffer(data, static_cast<Integer>(size));
    in.SetPosition(0);
    try {
        report.EMFPages()->LoadFromStream(&in);
    } catch (const EStreamError&) {
        if (report.EMFPages()->Count() != 0) std::abort();
        return 0;
    } catch (const EInvalidGraphic&) { // an older file whose metafile page is damaged
        if (report.EMFPages()->Count() != 0) std::abort();
        return 0;
    }
    const std::string first = Save(*report.EMFPages());
    TrpReport again(nullptr);
    TMemoryStream copy;
    copy.WriteBuffer(first.data(), static_cast<Integer>(first.size()));
    copy.SetPosition(0);
    again.EMFPages()->LoadFromStream(&copy);
    if (Save(*again.EMFPages()) != first) {
        std::fprintf(stderr, "saved prepared report does not read back as written\n");
        std::abort();
    }
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    for (Integer i = 0; i < report.EMFPages()->Count(); ++i) {
        report.EMFPages()->Pages(i)->Visible = true;
        try {
            report.EMFPages()->Draw(i, canvas.get(), TRect(0, 0, 400, 560));
            report.EMFPages()->PageToObjects(i);
        } catch (const Exception&) { // a page stream that names no object kind, or ends early
        }
        rec->Log.clear();
    }
    CurReport = nullptr;
    return 0;
}
