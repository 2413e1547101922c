#pragma once
// A 400 by 300 form with a top and a left dock, toolbars of speed buttons made on
// them, and a fresh settings store for placements.
#include "report/preview/detail/TrpDock.h"

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include "platform/ui/TSpeedButton.h"

#include <gtest/gtest.h>

class DockFixture : public ::testing::Test {
protected:
    DockFixture() {
        Form.SetName("DockForm");
        Form.SetBounds(0, 0, 400, 300);
        Top = MakeDock("TopDock", alTop);
        Left = MakeDock("LeftDock", alLeft);
    }
    TrpDock* MakeDock(const char* Name, TAlign Align) {
        auto* d = new TrpDock(&Form);
        d->SetName(Name);
        d->SetParent(&Form);
        d->SetAlign(Align);
        d->AdjustBounds();
        return d;
    }
    // Buttons 23 wide after the 11-pixel grip: 11 + 3 * 23 + 4 = 84 long with three.
    TrpToolBar* MakeBar(const char* Name, TrpDock* Dock, Integer Buttons = 3) {
        auto* b = new TrpToolBar(&Form);
        b->SetName(Name);
        b->SetCaption(Name);
        for (Integer i = 0; i < Buttons; ++i) {
            auto* s = new TSpeedButton(&Form);
            s->SetParent(b);
            s->SetBounds(11 + 23 * i, 0, 23, 22);
            s->SetAlign(alLeft);
            s->SetCaption(String(1, char('A' + i)));
        }
        b->AddToDock(Dock);
        b->AdjustBounds();
        return b;
    }

    TempFolder Dir{"dock"};
    ScopedEnv Config{"XDG_CONFIG_HOME", Dir.Path()};
    TForm Form{nullptr};
    TrpDock* Top;
    TrpDock* Left;
};
