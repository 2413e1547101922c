// Fuzz target of the report template reader: any bytes must load into a
// report or end in the "Unsupported RPF format" message with one empty page,
// without a crash or sanitizer report. A template that loads must save and
// load again to the same bytes, and every object must draw.
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/DialogHook.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpView.h"
#include "report/engine/rpEngine.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool messageShown = false;

void Setup() {
    rpInitEngine();
    ui::SetDialogHook([](const ui::DialogRequest&) {
        messageShown = true;
        return ui::DialogAnswer{1, {}};
    });
}

std::string Save(TrpReport& r) {
    TMemoryStream s;
    r.SaveToStream(&s);
    return std::string(reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size()));
}

void Load(TrpReport& r, const void* data, std::size_t size) {
    TMemoryStream s;
    if (size) s.WriteBuffer(data, static_cast<Integer>(size));
    s.SetPosition(0);
    r.LoadFromStream(&s);
}

void DrawAll(TrpReport& r) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    for (Byte mode : {dmPrinting, dmDesigning}) {
        DocMode = mode;
        for (Integer p = 0; p < r.Pages()->Count(); ++p)
            for (auto& view : r.Pages()->Pages(p)->Objects) {
                view->Draw(canvas.get());
                rec->Log.clear();
            }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = (Setup(), true);
    (void)ready;
    messageShown = false;
    TrpReport report(nullptr);
    Load(report, data, size);
    if (messageShown) {
        if (report.Pages()->Count() > 1) std::abort();
        return 0;
    }
    const std::string first = Save(report);
    TrpReport again(nullptr);
    Load(again, first.data(), first.size());
    if (messageShown || Save(again) != first) {
        std::fprintf(stderr, "saved template does not read back as written\n");
        std::abort();
    }
    DrawAll(report);
    CurReport = nullptr;
    return 0;
}
