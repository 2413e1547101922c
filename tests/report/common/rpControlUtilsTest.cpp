#include "report/common/rpControlUtils.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

TEST(rpControls, EnablingRecoloursLabelsAndWindowedControls) {
    TPanel panel(nullptr);
    auto* label = new TLabel(&panel);
    label->SetParent(&panel);
    auto* edit = new TEdit(&panel);
    edit->SetParent(&panel);
    rpEnableControls({label, edit}, false);
    EXPECT_EQ(label->Font()->Color(), clGrayText);
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_FALSE(label->Enabled());
    EXPECT_FALSE(edit->Enabled());
    rpEnableControls({label, edit}, true);
    EXPECT_EQ(label->Font()->Color(), clWindowText);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_TRUE(edit->Enabled());
}

TEST(rpControls, ControlAtPositionSearchesFromTheLastChildIntoContainers) {
    TPanel root(nullptr);
    root.SetBounds(0, 0, 300, 200);
    auto* under = new TEdit(&root);
    under->SetParent(&root);
    under->SetBounds(0, 0, 100, 100);
    auto* box = new TPanel(&root);
    box->SetParent(&root);
    box->SetBounds(50, 50, 100, 100);
    auto* inner = new TEdit(box);
    inner->SetParent(box);
    inner->SetBounds(10, 10, 20, 20);
    auto* hidden = new TEdit(&root);
    hidden->SetParent(&root);
    hidden->SetBounds(0, 0, 300, 200);
    hidden->SetVisible(false);

    EXPECT_EQ(rpControlAtPos(&root, TPoint(65, 65)), inner); // inside the panel's child
    EXPECT_EQ(rpControlAtPos(&root, TPoint(55, 55)), under); // the panel has nothing there: earlier children
    EXPECT_EQ(rpControlAtPos(&root, TPoint(140, 140)), nullptr);
    EXPECT_EQ(rpControlAtPos(&root, TPoint(10, 10)), under);
    EXPECT_EQ(rpGetWindowsVersion(), "NT");
}
