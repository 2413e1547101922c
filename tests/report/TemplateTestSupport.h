#pragma once
// Template stream tests: a report with a message-box recorder, loading from
// and saving to bytes.
#include "platform/ui/DialogHook.h"
#include "tests/report/StreamBytes.h"
#include "report/build/TrpReport.h"
#include "report/engine/rpEngine.h"
#include "tests/support/DialogRecorder.h"

#include <gtest/gtest.h>

class TemplateTest : public ::testing::Test {
protected:
    TemplateTest() { rpInitEngine(); }
    ~TemplateTest() override { CurReport = nullptr; }

    Bytes Save(TrpReport& r) {
        TMemoryStream s;
        r.SaveToStream(&s);
        return StreamBytes(s);
    }
    void Load(TrpReport& r, const Bytes& b) {
        TMemoryStream s;
        LoadBytes(s, b);
        r.LoadFromStream(&s);
    }
    // The page count and object count of each page, as "pages: n,n".
    static String Shape(TrpReport& r) {
        String out = std::to_string(r.Pages()->Count()) + ":";
        for (Integer i = 0; i < r.Pages()->Count(); ++i)
            out += " " + std::to_string(r.Pages()->Pages(i)->ObjectCount());
        return out;
    }

    TrpReport Report{nullptr};
    std::vector<String> Messages;

private:
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) {
        Messages.push_back(r.Caption + ": " + r.Text);
        return ui::DialogAnswer{1, {}};
    }};
};

constexpr const char* UnsupportedMessage = "Error: Unsupported RPF format";
