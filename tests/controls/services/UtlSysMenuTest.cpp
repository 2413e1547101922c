// The window-menu entries a form keeps, mapped onto its caption buttons and
// what the window system may do to it.
#include "controls/services/UtlSysMenu.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"

#include <gtest/gtest.h>

namespace {

const TUtlSysMenuEntries AllEntries{smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smSwitch};
const TBorderIcons DefaultIcons{biSystemMenu, biMinimize, biMaximize};
const TWindowCommands AllCommands{wcMove, wcSize, wcClose};

TUtlSysMenuEntries AllBut(TUtlSysMenuEntry Missing) {
    TUtlSysMenuEntries s = AllEntries;
    s.Exclude(Missing);
    return s;
}

TEST(UtlSysMenu, EachEntryStandsForOneThingTheWindowSystemMayDo) {
    struct Row {
        TUtlSysMenuEntries Entries;
        TBorderIcons Icons;
        TWindowCommands Commands;
        bool CloseBox;
        const char* Why;
    } rows[] = {
        {AllEntries, DefaultIcons, AllCommands, true, "the full set keeps everything"},
        {{}, {biSystemMenu}, {}, false, "the empty set: no buttons, the window held as it is"},
        {AllBut(smRestore), DefaultIcons, AllCommands, true, "restore has no counterpart"},
        {AllBut(smSwitch), DefaultIcons, AllCommands, true, "switch has no counterpart"},
        {AllBut(smMove), DefaultIcons, {wcSize, wcClose}, true, "held in place"},
        {AllBut(smSize), DefaultIcons, {wcMove, wcClose}, true, "a fixed-size frame"},
        {AllBut(smMinimize), {biSystemMenu, biMaximize}, AllCommands, true, "no minimise button"},
        {AllBut(smMaximize), {biSystemMenu, biMinimize}, AllCommands, true, "no maximise button"},
        {AllBut(smClose), DefaultIcons, {wcMove, wcSize}, false, "no close box, the other buttons stay"},
    };
    for (const Row& r : rows) {
        TForm form(nullptr);
        UtlCheckSystemMenu(r.Entries, &form);
        EXPECT_EQ(form.BorderIcons(), r.Icons) << r.Why;
        EXPECT_EQ(form.WindowCommands(), r.Commands) << r.Why;
        EXPECT_EQ(form.ShowsCloseBox(), r.CloseBox) << r.Why;
        // The minimise and maximise buttons go through the border style as any asked for.
        EXPECT_EQ(ShownBorderIcons(bsSizeable, form.BorderIcons()), r.Icons) << r.Why;
    }
}

TEST(UtlSysMenu, TheFormRoutineAppliesTheSameAndNoFormIsNothing) {
    TForm form(nullptr);
    UtlCheckFormSysMenu(&form, AllBut(smMaximize));
    EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    UtlCheckSystemMenu({}, nullptr);
    UtlCheckFormSysMenu(nullptr, {});
}

TEST(UtlSysMenu, WhatIsWithdrawnStaysWithdrawnAndNeighboursStay) {
    TForm form(nullptr);
    UtlCheckSystemMenu(AllBut(smMaximize), &form);
    UtlCheckSystemMenu(AllBut(smClose), &form);
    // Each call takes exactly what it leaves out; the first one's loss remains.
    EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    EXPECT_EQ(form.WindowCommands(), (TWindowCommands{wcMove, wcSize}));
    UtlCheckSystemMenu(AllEntries, &form);
    EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    EXPECT_FALSE(form.ShowsCloseBox());
}

TEST(UtlSysMenu, WithoutCloseTheWindowSystemCannotCloseTheFormButTheProgramCan) {
    TForm form(nullptr);
    bool closing = false;
    form.OnClose = [&](TObject*, TCloseAction&) { closing = true; };
    form.Show();
    UtlCheckSystemMenu(AllBut(smClose), &form);
    ui::SimulateCloseBox(&form);
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(closing);
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(closing);
}

TEST(UtlSysMenu, WithCloseTheCloseBoxStillCloses) {
    TForm form(nullptr);
    form.Show();
    UtlCheckSystemMenu(AllBut(smMaximize), &form);
    ui::SimulateCloseBox(&form);
    EXPECT_FALSE(form.Visible());
}

TEST(UtlSysMenu, WithoutSizeTheFrameKeepsTheSize) {
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    form.Show();
    const TRect client = form.ClientRect();
    ui::SimulateWindowResize(&form, client.Width() + 50, client.Height() + 30);
    EXPECT_EQ(form.Width(), 350); // sizeable: the frame drag takes
    UtlCheckSystemMenu(AllBut(smSize), &form);
    ui::SimulateWindowResize(&form, client.Width() + 120, client.Height() + 80);
    EXPECT_EQ(form.Width(), 350);
    EXPECT_EQ(form.Height(), 230);
    // The program itself still sizes the form.
    form.SetBounds(40, 40, 260, 180);
    EXPECT_EQ(form.Width(), 260);
    ui::SimulateWindowResize(&form, client.Width() + 120, client.Height() + 80);
    EXPECT_EQ(form.Width(), 260);
}

TEST(UtlSysMenu, WithoutMoveTheWindowGoesBackToItsPlace) {
    TForm form(nullptr);
    form.SetBounds(40, 50, 300, 200);
    form.Show();
    ui::SimulateWindowMove(&form, 100, 120);
    EXPECT_EQ(ui::WindowPosition(&form), TPoint(100, 120)); // movable by default
    // Held where the drag left it, not sent back to where the program last put it.
    UtlCheckSystemMenu(AllBut(smMove), &form);
    Application->ProcessMessages();
    EXPECT_EQ(ui::WindowPosition(&form), TPoint(100, 120));
    EXPECT_EQ(form.BoundsRect(), Bounds(100, 120, 300, 200));
    ui::SimulateWindowMove(&form, 200, 220);
    Application->ProcessMessages();
    EXPECT_EQ(ui::WindowPosition(&form), TPoint(100, 120));
    // Held again on the next drag, and the program still places the form.
    ui::SimulateWindowMove(&form, 300, 10);
    Application->ProcessMessages();
    EXPECT_EQ(ui::WindowPosition(&form), TPoint(100, 120));
    form.SetBounds(70, 80, 300, 200);
    Application->ProcessMessages();
    EXPECT_EQ(ui::WindowPosition(&form), TPoint(70, 80));
}

TEST(UtlSysMenu, TheApplicationsEntriesApplyToEveryForm) {
    TForm shown(nullptr), hidden(nullptr), narrowed(nullptr);
    shown.Show();
    UtlCheckSystemMenu(AllBut(smMinimize), &narrowed);
    UtlCheckApplicationSysMenu({smRestore, smMove, smMinimize, smMaximize});
    for (TForm* f : {&shown, &hidden}) {
        EXPECT_EQ(f->BorderIcons(), DefaultIcons);
        EXPECT_EQ(f->WindowCommands(), (TWindowCommands{wcMove}));
        EXPECT_FALSE(f->ShowsCloseBox());
    }
    // A form's own earlier loss is kept beside the application's.
    EXPECT_EQ(narrowed.BorderIcons(), (TBorderIcons{biSystemMenu, biMaximize}));
    EXPECT_EQ(narrowed.WindowCommands(), (TWindowCommands{wcMove}));
}

} // namespace
