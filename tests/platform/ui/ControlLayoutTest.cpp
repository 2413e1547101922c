// Align and anchor layout, constraints, z-order and what children follow
// from their parent (font, colour).
#include "platform/core/Exceptions.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TWinControl* Child(TWinControl* parent, TRect r, TAlign align = alNone) {
    auto* c = new TWinControl(parent);
    c->SetBoundsRect(r);
    c->SetParent(parent);
    c->SetAlign(align);
    return c;
}

class ControlLayout : public ::testing::Test {
protected:
    void SetUp() override {
        Parent = std::make_unique<TWinControl>(nullptr);
        Parent->SetBounds(0, 0, 400, 300);
    }
    std::unique_ptr<TWinControl> Parent;
};

TEST_F(ControlLayout, AlignsTopBottomLeftRightThenClient) {
    // Created in an order different from the layout order, to show the order is fixed.
    TWinControl* client = Child(Parent.get(), Bounds(0, 0, 10, 10), alClient);
    TWinControl* right = Child(Parent.get(), Bounds(0, 0, 30, 10), alRight);
    TWinControl* left = Child(Parent.get(), Bounds(0, 0, 20, 10), alLeft);
    TWinControl* bottom = Child(Parent.get(), Bounds(0, 0, 10, 40), alBottom);
    TWinControl* top = Child(Parent.get(), Bounds(0, 0, 10, 50), alTop);

    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 50));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 260, 400, 300));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 50, 20, 260));
    EXPECT_EQ(right->BoundsRect(), Rect(370, 50, 400, 260));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 50, 370, 260));
}

TEST_F(ControlLayout, SameAlignmentStacksByPosition) {
    // As when a form is read: all positions are in place before the layout runs.
    Parent->DisableAlign();
    TWinControl* second = Child(Parent.get(), Bounds(0, 100, 10, 20), alTop);
    TWinControl* first = Child(Parent.get(), Bounds(0, 5, 10, 30), alTop);
    Parent->EnableAlign();
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), 30);

    // Bottom-aligned: the one lower down stays at the edge.
    Parent->DisableAlign();
    TWinControl* upper = Child(Parent.get(), Bounds(0, 100, 10, 10), alBottom);
    TWinControl* lower = Child(Parent.get(), Bounds(0, 200, 10, 15), alBottom);
    Parent->EnableAlign();
    EXPECT_EQ(lower->BoundsRect(), Rect(0, 285, 400, 300));
    EXPECT_EQ(upper->BoundsRect(), Rect(0, 275, 400, 285));
}

TEST_F(ControlLayout, ResizingTheParentRealigns) {
    TWinControl* top = Child(Parent.get(), Bounds(0, 0, 10, 50), alTop);
    TWinControl* client = Child(Parent.get(), Bounds(0, 0, 10, 10), alClient);
    Parent->SetBounds(0, 0, 600, 500);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 600, 50));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 50, 600, 500));
}

TEST_F(ControlLayout, HiddenControlsTakeNoRoom) {
    TWinControl* top = Child(Parent.get(), Bounds(0, 0, 10, 50), alTop);
    TWinControl* client = Child(Parent.get(), Bounds(0, 0, 10, 10), alClient);
    top->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 400, 300));
    top->SetVisible(true);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 50, 400, 300));
}

TEST_F(ControlLayout, ChangingAnAlignedHeightMovesItsSiblings) {
    TWinControl* top = Child(Parent.get(), Bounds(0, 0, 10, 50), alTop);
    TWinControl* client = Child(Parent.get(), Bounds(0, 0, 10, 10), alClient);
    top->SetHeight(80);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 80));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 80, 400, 300));
}

TEST_F(ControlLayout, ClientAreaSmallerThanTheEdgesGivesEmptyNotNegativeSizes) {
    Child(Parent.get(), Bounds(0, 0, 10, 200), alTop);
    Child(Parent.get(), Bounds(0, 0, 10, 200), alBottom);
    TWinControl* client = Child(Parent.get(), Bounds(0, 0, 10, 10), alClient);
    EXPECT_EQ(client->Height(), 0);
    EXPECT_EQ(client->Width(), 400);
}

TEST_F(ControlLayout, AnchorsFollowTheParentsSize) {
    TWinControl* rightBottom = Child(Parent.get(), Bounds(300, 250, 80, 30));
    rightBottom->SetAnchors({akRight, akBottom});
    TWinControl* stretched = Child(Parent.get(), Bounds(10, 10, 380, 100));
    stretched->SetAnchors({akLeft, akTop, akRight, akBottom});
    TWinControl* plain = Child(Parent.get(), Bounds(10, 200, 50, 20));
    TWinControl* centred = Child(Parent.get(), Bounds(150, 100, 100, 20));
    centred->SetAnchors({akTop});

    Parent->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(rightBottom->BoundsRect(), Bounds(400, 350, 80, 30));
    EXPECT_EQ(stretched->BoundsRect(), Bounds(10, 10, 480, 200));
    EXPECT_EQ(plain->BoundsRect(), Bounds(10, 200, 50, 20));
    // Neither left nor right: the centre keeps its share of the width.
    EXPECT_EQ(centred->BoundsRect(), Bounds(200, 100, 100, 20));

    // Back to the first size: no drift from repeated resizing.
    Parent->SetBounds(0, 0, 433, 317);
    Parent->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(rightBottom->BoundsRect(), Bounds(300, 250, 80, 30));
    EXPECT_EQ(stretched->BoundsRect(), Bounds(10, 10, 380, 100));
    EXPECT_EQ(centred->BoundsRect(), Bounds(150, 100, 100, 20));
}

TEST_F(ControlLayout, MovingAnAnchoredControlTakesNewRules) {
    TWinControl* c = Child(Parent.get(), Bounds(300, 250, 80, 30));
    c->SetAnchors({akRight, akBottom});
    c->SetLeft(200);
    Parent->SetBounds(0, 0, 450, 300);
    EXPECT_EQ(c->Left(), 250);
}

TEST_F(ControlLayout, ConstraintsBoundTheSize) {
    TWinControl* c = Child(Parent.get(), Bounds(0, 0, 100, 100));
    c->Constraints()->SetMinWidth(50);
    c->Constraints()->SetMaxHeight(80);
    EXPECT_EQ(c->Height(), 80); // applied at once
    c->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(c->Width(), 50);
    EXPECT_EQ(c->Height(), 10);
}

TEST_F(ControlLayout, ResizeFiresOnlyOnASizeChange) {
    TWinControl* c = Child(Parent.get(), Bounds(0, 0, 100, 100));
    int resized = 0;
    c->OnResize = [&](TObject*) { ++resized; };
    c->SetLeft(20);
    EXPECT_EQ(resized, 0);
    c->SetWidth(120);
    EXPECT_EQ(resized, 1);
}

TEST_F(ControlLayout, BringToFrontAndSendToBackReorderTheChildren) {
    TWinControl* a = Child(Parent.get(), Bounds(0, 0, 10, 10));
    TWinControl* b = Child(Parent.get(), Bounds(0, 0, 10, 10));
    TWinControl* c = Child(Parent.get(), Bounds(0, 0, 10, 10));
    a->BringToFront();
    EXPECT_EQ(Parent->Controls(2), a);
    c->SendToBack();
    EXPECT_EQ(Parent->Controls(0), c);
    EXPECT_EQ(Parent->Controls(1), b);
}

TEST_F(ControlLayout, ControlsOutOfRangeRaises) {
    EXPECT_EQ(ErrorOf<EListError>([&] { Parent->Controls(0); }), "List index out of bounds (0)");
}

TEST_F(ControlLayout, AControlCannotParentItselfOrItsAncestor) {
    TWinControl* c = Child(Parent.get(), Bounds(0, 0, 10, 10));
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { Parent->SetParent(c); }),
              "A control cannot have itself as its parent");
    EXPECT_EQ(Parent->Parent(), nullptr);
}

TEST_F(ControlLayout, DeletingAParentDeletesItsChildren) {
    TWinControl* panel = Child(Parent.get(), Bounds(0, 0, 10, 10));
    TWinControl* inner = Child(panel, Bounds(0, 0, 5, 5));
    bool innerGone = false;
    inner->OnExit = nullptr;
    struct Probe : TComponent {
        bool* Flag;
        Probe(TComponent* owner, bool* flag) : TComponent(owner), Flag(flag) {}
        ~Probe() override { *Flag = true; }
    };
    new Probe(inner, &innerGone);
    delete panel;
    EXPECT_TRUE(innerGone);
    EXPECT_EQ(Parent->ControlCount(), 0);
}

TEST_F(ControlLayout, ChildrenFollowTheParentFontUntilGivenTheirOwn) {
    TWinControl* c = Child(Parent.get(), Bounds(0, 0, 10, 10));
    Parent->Font()->SetSize(12);
    EXPECT_EQ(c->Font()->Size(), 12);
    EXPECT_TRUE(c->ParentFont());
    c->Font()->SetStyle({fsBold});
    EXPECT_FALSE(c->ParentFont());
    Parent->Font()->SetSize(14);
    EXPECT_EQ(c->Font()->Size(), 12);
    c->SetParentFont(true);
    EXPECT_EQ(c->Font()->Size(), 14);
}

TEST_F(ControlLayout, ChildrenFollowTheParentColourUntilGivenTheirOwn) {
    TWinControl* c = Child(Parent.get(), Bounds(0, 0, 10, 10));
    Parent->SetColor(clRed);
    EXPECT_EQ(c->Color(), clRed);
    c->SetColor(clBlue);
    EXPECT_FALSE(c->ParentColor());
    Parent->SetColor(clGreen);
    EXPECT_EQ(c->Color(), clBlue);
}

TEST(FormGeometry, ClientAreaExcludesFrameCaptionAndMenu) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 792, 580);
    // Sizeable frame 4, caption 19.
    EXPECT_EQ(form.ClientWidth(), 784);
    EXPECT_EQ(form.ClientHeight(), 553);
    form.SetBorderStyle(bsDialog);
    EXPECT_EQ(form.ClientWidth(), 786);
    EXPECT_EQ(form.ClientHeight(), 555);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    EXPECT_EQ(form.Width(), 306);
    EXPECT_EQ(form.Height(), 225);
}

TEST(FormGeometry, AlignedPanelsFillTheClientArea) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 792, 580);
    auto* area = new TWinControl(&form);
    area->SetParent(&form);
    area->SetAlign(alClient);
    EXPECT_EQ(area->BoundsRect(), Rect(0, 0, 784, 553));
    form.SetBounds(0, 0, 800, 600);
    EXPECT_EQ(area->BoundsRect(), Rect(0, 0, 792, 573));
}

TEST(FormGeometry, ConstraintsHoldTheMinimumSize) {
    TForm form(nullptr);
    form.Constraints()->SetMinWidth(780);
    form.Constraints()->SetMinHeight(580);
    form.SetBounds(0, 0, 500, 400);
    EXPECT_EQ(form.Width(), 780);
    EXPECT_EQ(form.Height(), 580);
}

} // namespace
