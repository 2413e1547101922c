#include "platform/ui/MessageDialogs.h"

#include "platform/ui/DialogHook.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/UiTypes.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace {

using ui::DialogIcon;
using ui::DialogKind;
using ui::DialogRequest;

struct Button {
    Integer Result;
    const char* Text;
};

QMessageBox::Icon ToQt(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Stop:
        return QMessageBox::Critical;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::Exclamation:
        return QMessageBox::Warning;
    case DialogIcon::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Shows the box; Escape and the close box answer EscapeResult (0: they do nothing).
Integer ShowBox(const DialogRequest& r, const std::map<Integer, const char*>& texts, Integer EscapeResult) {
    if (const auto& hook = ui::CurrentDialogHook()) return hook(r).Result;
    ui::EnsureWidgetApplication();
    QMessageBox box(ToQt(r.Icon), ui::ToQt(r.Caption), ui::ToQt(r.Text));
    std::map<QAbstractButton*, Integer> results;
    for (Integer id : r.Buttons) {
        QPushButton* b = box.addButton(ui::ToQt(texts.at(id)), QMessageBox::AcceptRole);
        results[b] = id;
        if (id == r.DefaultButton) box.setDefaultButton(b);
        if (id == EscapeResult) box.setEscapeButton(b);
    }
    box.exec();
    const auto it = results.find(box.clickedButton());
    return it == results.end() ? EscapeResult : it->second;
}

const std::map<Integer, const char*> SystemTexts = {
    {IDOK, "OK"},    {IDCANCEL, "Mégse"}, {IDABORT, "Megszakítás"}, {IDRETRY, "Újra"}, {IDIGNORE, "Kihagyás"},
    {IDYES, "Igen"}, {IDNO, "Nem"}};

const std::map<Integer, const char*> LibraryTexts = {{mrYes, "&Yes"},
                                                     {mrNo, "&No"},
                                                     {mrOk, "OK"},
                                                     {mrCancel, "Cancel"},
                                                     {mrAbort, "&Abort"},
                                                     {mrRetry, "&Retry"},
                                                     {mrIgnore, "&Ignore"},
                                                     {mrAll, "&All"},
                                                     {mrNoToAll, "N&o to All"},
                                                     {mrYesToAll, "Yes to &All"},
                                                     {-1, "&Help"}};

} // namespace

Integer MessageBox(TControl* /*Owner*/, const String& Text, const String& Caption, Cardinal Flags) {
    DialogRequest r;
    r.Kind = DialogKind::MessageBox;
    r.Caption = Caption;
    r.Text = Text;
    switch (Flags & 0xF) {
    case MB_OKCANCEL:
        r.Buttons = {IDOK, IDCANCEL};
        break;
    case MB_ABORTRETRYIGNORE:
        r.Buttons = {IDABORT, IDRETRY, IDIGNORE};
        break;
    case MB_YESNOCANCEL:
        r.Buttons = {IDYES, IDNO, IDCANCEL};
        break;
    case MB_YESNO:
        r.Buttons = {IDYES, IDNO};
        break;
    case MB_RETRYCANCEL:
        r.Buttons = {IDRETRY, IDCANCEL};
        break;
    default:
        r.Buttons = {IDOK};
        break;
    }
    switch (Flags & 0xF0) {
    case MB_ICONHAND:
        r.Icon = DialogIcon::Stop;
        break;
    case MB_ICONQUESTION:
        r.Icon = DialogIcon::Question;
        break;
    case MB_ICONEXCLAMATION:
        r.Icon = DialogIcon::Exclamation;
        break;
    case MB_ICONASTERISK:
        r.Icon = DialogIcon::Information;
        break;
    default:
        break;
    }
    const std::size_t def = (Flags & 0xF00) >> 8;
    r.DefaultButton = r.Buttons[def < r.Buttons.size() ? def : 0];
    Integer escape = 0;
    for (Integer id : r.Buttons)
        if (id == IDCANCEL) escape = IDCANCEL;
    if (r.Buttons.size() == 1) escape = IDOK;
    return ShowBox(r, SystemTexts, escape);
}

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer /*HelpCtx*/) {
    DialogRequest r;
    r.Kind = DialogKind::MessageDlg;
    r.Text = Msg;
    switch (DlgType) {
    case mtWarning:
        r.Caption = "Warning";
        r.Icon = DialogIcon::Exclamation;
        break;
    case mtError:
        r.Caption = "Error";
        r.Icon = DialogIcon::Stop;
        break;
    case mtInformation:
        r.Caption = "Information";
        r.Icon = DialogIcon::Information;
        break;
    case mtConfirmation:
        r.Caption = "Confirmation";
        r.Icon = DialogIcon::Question;
        break;
    case mtCustom:
        r.Caption = Application->Title();
        break;
    }
    static constexpr Integer results[] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                          mrIgnore, mrAll, mrNoToAll, mrYesToAll, -1};
    for (int b = mbYes; b <= mbHelp; ++b)
        if (Buttons.Contains(TMsgDlgBtn(b))) r.Buttons.push_back(results[b]);
    if (r.Buttons.empty()) r.Buttons.push_back(mrOk);
    r.DefaultButton = Buttons.Contains(mbOK) ? mrOk : Buttons.Contains(mbYes) ? mrYes : mrRetry;
    const Integer escape = Buttons.Contains(mbCancel) ? mrCancel : Buttons.Contains(mbNo) ? mrNo : mrOk;
    const Integer result = ShowBox(r, LibraryTexts, escape);
    return result < 0 ? mrNone : result;
}

void ShowMessage(const String& Msg) {
    MessageDlg(Msg, mtCustom, {mbOK});
}

bool InputQuery(const String& ACaption, const String& APrompt, String& Value) {
    DialogRequest r;
    r.Kind = DialogKind::InputBox;
    r.Caption = ACaption;
    r.Text = APrompt;
    r.Value = Value;
    r.Buttons = {mrOk, mrCancel};
    r.DefaultButton = mrOk;
    if (const auto& hook = ui::CurrentDialogHook()) {
        const ui::DialogAnswer a = hook(r);
        if (a.Result != mrOk) return false;
        Value = a.Value;
        return true;
    }
    ui::EnsureWidgetApplication();
    QInputDialog dlg;
    dlg.setWindowTitle(ui::ToQt(ACaption));
    dlg.setLabelText(ui::ToQt(APrompt));
    dlg.setTextValue(ui::ToQt(Value));
    dlg.setOkButtonText("OK");
    dlg.setCancelButtonText("Cancel");
    if (dlg.exec() != QDialog::Accepted) return false;
    Value = ui::FromQt(dlg.textValue());
    return true;
}

String InputBox(const String& ACaption, const String& APrompt, const String& ADefault) {
    String value = ADefault;
    InputQuery(ACaption, APrompt, value);
    return value;
}
