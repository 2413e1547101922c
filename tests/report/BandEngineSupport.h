#pragma once
// Building reports in tests: a one-page A4 template on the virtual printer
// (margins 20, so bands flow from y 20 to 1051), band views and memos placed
// by hand, fixed text metrics (10-point lines 15 pixels apart), and the
// prepared pages read back as "text@x,y" per page.
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/ui/DialogHook.h"
#include "report/views/TrpBandView.h"
#include "report/build/TrpEMFPages.h"
#include "report/views/TrpMemoView.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpSubReportView.h"
#include "report/build/detail/rpBuild.h"
#include "report/engine/rpEngine.h"
#include "tests/support/DialogRecorder.h"

#include <gtest/gtest.h>

class BandEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        rpInitEngine();
        Prn->SetPrinterIndex(Prn->DefaultPrinter);
        TempBmp->Canvas()->SetMeasurer(&Fixed);
        Report = new TrpReport(&Owner);
        Report->SetName("rpReport1");
        Report->ShowProgress = false;
        Report->Pages()->Add();
        Page = Report->Pages()->Pages(0);
        Page->Margins = TRect(20, 20, 20, 20);
    }
    void TearDown() override {
        TempBmp->Canvas()->SetMeasurer(nullptr);
        CurReport = nullptr;
        MasterReport = nullptr;
    }

    TrpBandView* Band(TrpBandType type, Integer top, Integer height, const String& source = "",
                      Word flags = 0, TrpPage* page = nullptr) {
        auto* b = new TrpBandView();
        b->SetBandType(type);
        b->SetBounds(0, top, 700, height);
        b->FormatStr = source;
        b->Flags = flags;
        b->Name = "Band" + std::to_string(++FCount);
        (page ? page : Page)->Add(b);
        return b;
    }
    TrpMemoView* Memo(Integer left, Integer top, const String& text, Integer width = 200, Integer height = 15,
                      TrpPage* page = nullptr) {
        auto* m = new TrpMemoView();
        m->SetBounds(left, top, width, height);
        m->Memo.SetText(text);
        m->Flags = flStretched | flWordWrap;
        m->Name = "Memo" + std::to_string(++FCount);
        (page ? page : Page)->Add(m);
        return m;
    }

    // A sub-report object on the main page, 300 by 20, printing template page SubPage.
    TrpSubReportView* SubReport(Integer left, Integer top, Integer subPage) {
        auto* s = new TrpSubReportView();
        s->SetBounds(left, top, 300, 20);
        s->SubPage = subPage;
        Page->Add(s);
        return s;
    }

    // Every prepared page of Of (Report when none) as its memos' "text@x,y", in printing
    // order; lines of a memo joined by "|".
    std::vector<std::vector<String>> Built(TrpReport* Of = nullptr) {
        std::vector<std::vector<String>> pages;
        TrpEMFPages* p = (Of ? Of : Report)->EMFPages();
        for (Integer i = 0; i < p->Count(); ++i) {
            p->ObjectsToPage(i);
            std::vector<String> items;
            for (const auto& v : p->Pages(i)->Page->Objects) {
                String text;
                for (Integer k = 0; k < v->Memo.Count(); ++k)
                    text += (k ? "|" : "") + v->Memo[k];
                items.push_back(text + "@" + std::to_string(v->Left) + "," + std::to_string(v->Top));
            }
            pages.push_back(items);
        }
        return pages;
    }

    graphics::FixedTextMeasurer Fixed{6, 13, 11};
    TComponent Owner{nullptr};
    TrpReport* Report = nullptr;
    TrpPage* Page = nullptr;
    std::vector<String> Messages;
    // Answers OK to every dialog and keeps "caption: text" in Messages.
    DialogRecorder Recorder{[this](const ui::DialogRequest& r) {
        Messages.push_back(r.Caption + ": " + r.Text);
        return ui::DialogAnswer{1, {}};
    }};

private:
    int FCount = 0;
};
