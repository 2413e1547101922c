#pragma once
// A platform printer for tests: no device, every job and sheet recorded with
// the paper it was printed on and the texts drawn on it. Papers A3 (8), A4 (9)
// and A5 (11) at 100 pixels per inch, 20 and 30 pixels unprintable.
#include "platform/core/Exceptions.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/print/TPrinter.h"

#include <functional>
#include <memory>
#include <vector>

class RecordingPrinter : public TPrinter {
public:
    struct Sheet {
        Integer Paper = 0;
        Integer Orientation = 0;
        std::vector<String> Texts;
    };
    struct Job {
        String Title;
        std::vector<Sheet> Sheets;
        bool Ended = false;
        bool Aborted = false;
    };

    // Names: the system's printers then the file printer, as the platform lists them.
    // File: the file printer selected.
    explicit RecordingPrinter(bool File = false)
        : TPrinter({"Recorder", "Second", FilePrinterName}, File ? 2 : 0) {}

    std::vector<Job> Jobs;
    // Raises from the n-th sheet a job starts (1 = BeginDoc), when set.
    int FailAtSheet = 0;

    // The texts of every sheet (drawn piece by piece on a printer, so joined
    // as they come), sheets joined by " ", jobs by " / ".
    String Printed() const {
        String s;
        for (const Job& job : Jobs) {
            if (!s.empty()) s += " / ";
            String sheets;
            for (const Sheet& sheet : job.Sheets) {
                String texts;
                for (const String& t : sheet.Texts)
                    texts += t;
                sheets += (sheets.empty() ? "" : " ") + texts;
            }
            s += sheets;
        }
        return s;
    }

    void GetDeviceMode(TDeviceMode& Mode) const override { Mode = FMode; }
    void SetDeviceMode(const TDeviceMode& Mode) override {
        if (Mode.Fields & dmPaperSize) FMode.PaperSize = Mode.PaperSize;
        if (Mode.Fields & dmOrientation) FMode.Orientation = Mode.Orientation;
    }
    std::vector<TPaperInfo> PaperSizes() const override { return {{8, "A3"}, {9, "A4"}, {11, "A5"}}; }
    Integer PixelsPerInchX() const override { return 100; }
    Integer PixelsPerInchY() const override { return 100; }
    TSize PhysicalSize() const override {
        const TSize mm = FMode.PaperSize == 8    ? TSize(297, 420)
                         : FMode.PaperSize == 11 ? TSize(148, 210)
                                                 : TSize(210, 297);
        const TSize px(mm.cx * 100 * 10 / 254, mm.cy * 100 * 10 / 254);
        return FMode.Orientation == DMORIENT_LANDSCAPE ? TSize(px.cy, px.cx) : px;
    }
    TPoint PhysicalOffset() const override { return TPoint(20, 30); }
    Integer PageWidth() const override { return PhysicalSize().cx - 40; }
    Integer PageHeight() const override { return PhysicalSize().cy - 60; }

protected:
    void Select() override {}
    std::unique_ptr<TCanvas> StartDocument() override {
        Jobs.push_back({Title, {}, false, false});
        return NewSheet();
    }
    void StartPage(std::unique_ptr<TCanvas>& Canvas) override {
        Collect();
        Canvas = NewSheet();
    }
    void FinishDocument() override {
        Collect();
        Jobs.back().Ended = true;
    }
    void AbortDocument() override {
        Collect();
        Jobs.back().Aborted = true;
    }

private:
    std::unique_ptr<TCanvas> NewSheet() {
        if (FailAtSheet && int(Jobs.back().Sheets.size()) + 1 == FailAtSheet)
            throw EPrinter("Printer selected is not valid");
        Jobs.back().Sheets.push_back({FMode.PaperSize, FMode.Orientation, {}});
        return graphics::MakeRecordingCanvas(FBackend, TSize(PageWidth(), PageHeight()));
    }
    // Moves the texts drawn on the open sheet into its record.
    void Collect() {
        if (!FBackend) return;
        for (const String& line : FBackend->Calls("TextOut ")) {
            const auto open = line.find('"');
            const auto close = line.find('"', open + 1);
            Jobs.back().Sheets.back().Texts.push_back(line.substr(open + 1, close - open - 1));
        }
        FBackend = nullptr;
    }

    TDeviceMode FMode;
    graphics::RecordingCanvasBackend* FBackend = nullptr;
};
