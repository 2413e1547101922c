// The views' designer popups: the items of each kind in the state of its
// flags, and what a click changes: the selected objects of the designer's
// page that the item fits, or without a designer the view itself.
#include "report/views/TrpBandView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpPictureView.h"
#include "report/views/detail/TrpFmtForm.h"
#include "report/common/detail/TrpReportDesigner.h"
#include "tests/support/DialogRecorder.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"

#include <gtest/gtest.h>

namespace {

// The popup of View, each item as its caption, " [x]" when checked and " (off)" when
// disabled; a non-empty Choose clicks the item of that caption.
std::vector<String> Popup(TrpView& View, const String& Choose = {}) {
    TPopupMenu popup(nullptr);
    View.DefinePopupMenu(&popup);
    std::vector<String> r;
    for (Integer i = 0; i < popup.Items()->Count(); ++i) {
        TMenuItem* m = popup.Items()->Items(i);
        r.push_back(m->Caption() + (m->Checked() ? " [x]" : "") + (m->Enabled() ? "" : " (off)"));
        if (m->Caption() == Choose) m->Click();
    }
    return r;
}

TEST(ViewPopups, EachKindOffersItsItemsAndWithoutADesignerChangesItself) {
    TrpMemoView memo;
    memo.Flags = flStretched | flWordBreak; // word break counts only with word wrap
    EXPECT_EQ(Popup(memo), (std::vector<String>{"Display format...", "Font...", "-", "Stretched [x]",
                                                "Word wrap", "Word break [x] (off)", "Auto width"}));
    TrpPictureView picture;
    picture.Flags = flPictCenter | flPictRatio; // the ratio counts only while stretched
    EXPECT_EQ(Popup(picture),
              (std::vector<String>{"-", "Stretched", "Center [x]", "Keep aspect ratio [x] (off)"}));
    TrpBandView band;
    EXPECT_EQ(
        Popup(band, "Start new page"),
        (std::vector<String>{"-", "Stretched", "Start new page", "Print if detail empty", "Allow split",
                             "Print on first page [x]", "Print on last page [x]", "Reprint on new page"}));
    Popup(band, "Print on last page");
    EXPECT_EQ(band.Flags, bfStartNewPage | bfPrintOnFirstPage);
}

class Designer : public TrpReportDesigner {
public:
    Designer() : TrpReportDesigner(nullptr) {}
    void RegisterObject(TBitmap*, const String&, Integer) override {}
    void RegisterTool(const String&, TBitmap*, std::function<void(TObject*)>) override {}
    void BeforeChange() override { Calls.push_back("before " + Flags()); }
    void AfterChange() override { Calls.push_back("after " + Flags()); }
    void RedrawPage() override {}
    // The objects' flags in page order.
    String Flags() const {
        String s;
        for (Integer i = 0; i < Page->ObjectCount(); ++i)
            s += (i ? "," : "") + std::to_string(Page->Object(i)->Flags);
        return s;
    }
    std::vector<String> Calls;
};

// A designer's page: memos 1 and 2 and a picture selected, memo 3 not.
class ViewPopupsInADesigner : public ::testing::Test {
protected:
    void SetUp() override {
        for (TrpView* v : {static_cast<TrpView*>(Memo1), static_cast<TrpView*>(Memo2),
                           static_cast<TrpView*>(Memo3), static_cast<TrpView*>(Picture)}) {
            v->Selected = v != Memo3;
            Page.Add(v);
        }
        Memo2->Flags = flStretched;
        Shown.Page = &Page;
        rpDesigner = &Shown;
    }
    void TearDown() override { rpDesigner = nullptr; }

    TrpPage Page{9, 2100, 2970, 0};
    Designer Shown;
    TrpMemoView *Memo1 = new TrpMemoView, *Memo2 = new TrpMemoView, *Memo3 = new TrpMemoView;
    TrpPictureView* Picture = new TrpPictureView;
};

TEST_F(ViewPopupsInADesigner, AFlagItemSetsItsBitInEverySelectedObjectOfItsKind) {
    Popup(*Memo1, "Word wrap"); // on in memo 1, so off; bit 2 is the picture's centre
    EXPECT_EQ(Shown.Calls, (std::vector<String>{"before 3,1,3,5", "after 1,1,3,5"}));
    Popup(*Picture, "Stretched"); // the bit of every kind
    EXPECT_EQ(Shown.Flags(), "0,0,3,4");
}

TEST_F(ViewPopupsInADesigner, FormatAndFontTakeTheDialogsChoiceForTheSelectedMemos) {
    Memo1->FormatStr = "0.00";
    for (const TModalResult answer : {mrCancel, mrOk}) {
        TTimer timer(nullptr);
        timer.SetInterval(5);
        timer.OnTimer = [&](TObject*) {
            auto* f = dynamic_cast<TrpFmtForm*>(Screen->ActiveForm());
            if (!f) return;
            EXPECT_EQ(f->Edit1->Text(), "0.00"); // starts from the memo's own
            f->Format = 0x01040200;
            f->Edit1->SetText("#,##0");
            f->SetModalResult(answer);
        };
        timer.SetEnabled(true);
        Popup(*Memo1, "Display format...");
        EXPECT_EQ(Memo2->FormatStr, answer == mrOk ? "#,##0" : "");
    }
    EXPECT_EQ(Memo2->Format, 0x01040200);
    EXPECT_EQ(Memo3->FormatStr + Picture->FormatStr, "");
    DialogRecorder dialogs(0);
    Popup(*Memo1, "Font..."); // cancelled
    dialogs.AnswerWith(1, "Liberation Serif");
    Popup(*Memo2, "Font...");
    EXPECT_EQ(Memo1->Font.Name() + "/" + Memo3->Font.Name(), "Liberation Serif/Arial");
}

} // namespace
