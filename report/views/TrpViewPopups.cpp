// The items the views add to a designer's popup menu. Each item changes every
// selected object of the designer's page that it makes sense for, so a user
// sets one flag for several objects at once.
#include "platform/graphics/TFont.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TFontDialog.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/views/detail/TrpFmtForm.h"
#include "report/common/detail/TrpReportDesigner.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpReportLink.h"

#include <typeinfo>

namespace {

// Runs Change on every selected object of the designer's page, only those of
// View's own class unless AnyKind (a picture's centre bit is a memo's word
// wrap), between the designer's BeforeChange and AfterChange. Without a
// designer the popup can only have come from View itself, so View alone changes.
void ChangeSelected(TrpView* View, bool AnyKind, const std::function<void(TrpView*)>& Change) {
    if (!rpDesigner) {
        Change(View);
        return;
    }
    rpDesigner->BeforeChange();
    if (TrpPage* page = rpDesigner->Page) {
        rpForEachObject(page, [&](TrpView* v) {
            if (v->Selected && (AnyKind || typeid(*v) == typeid(*View))) Change(v);
        });
    } else {
        Change(View);
    }
    rpDesigner->AfterChange();
}

TMenuItem* AddItem(TPopupMenu* Popup, const String& Caption, TNotifyEvent OnClick) {
    auto* item = new TMenuItem(Popup);
    item->SetCaption(Caption);
    item->OnClick = std::move(OnClick);
    Popup->Items()->Add(item);
    return item;
}

// A check item for flag Bit, checked while View has it; a click toggles the
// mark and gives the selected objects the bit in the new state.
TMenuItem* AddFlagItem(TPopupMenu* Popup, TrpView* View, Integer Caption, Word Bit, bool AnyKind = false) {
    TMenuItem* item = AddItem(Popup, rpLoadStr(Caption), nullptr);
    item->SetChecked((View->Flags & Bit) != 0);
    item->OnClick = [View, item, Bit, AnyKind](TObject*) {
        const bool on = !item->Checked();
        item->SetChecked(on);
        ChangeSelected(View, AnyKind, [Bit, on](TrpView* v) {
            v->Flags = static_cast<Word>(on ? v->Flags | Bit : v->Flags & ~Bit);
        });
    };
    return item;
}

} // namespace

void TrpView::DefinePopupMenu(TPopupMenu* Popup) {
    AddItem(Popup, "-", nullptr);
    // Every kind of object stretches by the same bit.
    AddFlagItem(Popup, this, rpsStretched, flStretched, true);
}

void TrpMemoView::DefinePopupMenu(TPopupMenu* Popup) {
    AddItem(Popup, rpLoadStr(rpsDisplayFormat), [this](TObject*) {
        TrpFmtForm form(nullptr);
        form.Format = Format;
        form.Edit1->SetText(FormatStr);
        if (form.ShowModal() != mrOk) return;
        const String text = form.Edit1->Text();
        ChangeSelected(this, false, [&form, &text](TrpView* v) {
            v->Format = form.Format;
            v->FormatStr = text;
        });
    });
    AddItem(Popup, rpLoadStr(rpsFont), [this](TObject*) {
        TFontDialog dialog(nullptr);
        dialog.SetFont(&Font);
        if (!dialog.Execute()) return;
        ChangeSelected(this, false, [&dialog](TrpView* v) { v->AsMemo()->Font.Assign(dialog.Font()); });
    });
    TrpView::DefinePopupMenu(Popup);
    AddFlagItem(Popup, this, rpsWordWrap, flWordWrap);
    // A string table without the caption offers no word break.
    if (!rpLoadStr(rpsWordBreak).empty())
        AddFlagItem(Popup, this, rpsWordBreak, flWordBreak)->SetEnabled((Flags & flWordWrap) != 0);
    AddFlagItem(Popup, this, rpsAutoWidth, flAutoWidth);
}

void TrpBandView::DefinePopupMenu(TPopupMenu* Popup) {
    TrpView::DefinePopupMenu(Popup);
    AddFlagItem(Popup, this, rpsStartNewPage, bfStartNewPage);
    AddFlagItem(Popup, this, rpsStartNewPage + 1, bfPrintIfDetailEmpty);
    AddFlagItem(Popup, this, rpsStartNewPage + 2, bfAllowSplit);
    AddFlagItem(Popup, this, rpsPrintOnFirstPage, bfPrintOnFirstPage);
    AddFlagItem(Popup, this, rpsPrintOnFirstPage + 1, bfPrintOnLastPage);
    AddFlagItem(Popup, this, rpsPrintOnFirstPage + 2, bfReprintOnNewPage);
}

void TrpPictureView::DefinePopupMenu(TPopupMenu* Popup) {
    TrpView::DefinePopupMenu(Popup);
    AddFlagItem(Popup, this, rpsPictureCenter, flPictCenter);
    AddFlagItem(Popup, this, rpsKeepAspectRatio, flPictRatio)->SetEnabled((Flags & flStretched) != 0);
}
