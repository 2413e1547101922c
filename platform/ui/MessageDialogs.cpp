#include "platform/ui/MessageDialogs.h"

#include "platform/core/TStringList.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/UiTypes.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCursor>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringList>
#include <QStyle>

#include <algorithm>
#include <map>

namespace {

using ui::DialogIcon;
using ui::DialogKind;
using ui::DialogRequest;

// The text as the box shows it: a carriage return, a line feed and the pair each end a
// line (the report build's error puts a lone carriage return before each of its lines).
QString ShownText(const String& Text) {
    TStringList lines;
    lines.SetText(Text);
    QStringList shown;
    for (Integer i = 0; i < lines.Count(); ++i)
        shown << ui::ToQt(lines.Strings(i));
    return shown.join(QChar('\n'));
}

QStyle::StandardPixmap ToQt(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Stop:
        return QStyle::SP_MessageBoxCritical;
    case DialogIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case DialogIcon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// The box the window system shows: the icon, the text and a row of buttons. A text
// taller than the screen has room for scrolls inside the box, so that the box and its
// buttons stay on the screen whatever the message (a failed statement can be thousands
// of characters long).
class MessageWindow : public QDialog {
public:
    // Escape and the close box answer EscapeResult when a button gives it, or the only
    // button; otherwise they do nothing.
    MessageWindow(const DialogRequest& r, const std::map<Integer, const char*>& texts, Integer EscapeResult)
        : FResult(EscapeResult) {
        setWindowTitle(ui::ToQt(r.Caption));
        setModal(true);
        auto* layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* body = new QHBoxLayout;
        layout->addLayout(body);
        if (r.Icon != DialogIcon::None) {
            auto* icon = new QLabel;
            const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
            icon->setPixmap(style()->standardIcon(ToQt(r.Icon), nullptr, this).pixmap(size, size));
            body->addWidget(icon, 0, Qt::AlignTop);
        }
        auto* text = new QLabel(ShownText(r.Text));
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        FArea = new QScrollArea;
        FArea->setFrameShape(QFrame::NoFrame);
        FArea->setWidgetResizable(true);
        FArea->setWidget(text);
        body->addWidget(FArea);
        auto* row = new QHBoxLayout;
        row->addStretch();
        for (Integer id : r.Buttons) {
            auto* b = new QPushButton(ui::ToQt(texts.at(id)));
            connect(b, &QPushButton::clicked, this, [this, id] {
                FResult = id;
                accept();
            });
            row->addWidget(b);
            if (id == r.DefaultButton) {
                b->setDefault(true);
                b->setFocus();
            }
        }
        row->addStretch();
        layout->addLayout(row);
        FEscapes = r.Buttons.size() == 1 ||
                   std::find(r.Buttons.begin(), r.Buttons.end(), EscapeResult) != r.Buttons.end();
        if (r.Buttons.size() == 1) FResult = r.Buttons[0];
        FitToScreen(text);
    }

    Integer Result() const { return FResult; }

protected:
    void reject() override {
        if (FEscapes) QDialog::reject();
    }

private:
    // Lines wrap at about 75 characters (at most half the screen's width); the text's part
    // is as tall as the text, at most what the screen leaves beside the caption bar, the
    // margins and the buttons.
    void FitToScreen(QLabel* text) {
        QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen) screen = QGuiApplication::primaryScreen();
        const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const QFontMetrics fm(text->font());
        int widest = 0;
        for (const QString& line : text->text().split(QChar('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        const int wrap = std::min(fm.averageCharWidth() * 75, avail.width() / 2);
        int width = std::min(widest + 1, wrap), height = text->heightForWidth(width);
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (text->minimumSizeHint().width() > width) height += bar; // a word longer than a line
        FArea->setFixedSize(width, 0);
        const int room = avail.height() - CaptionRoom() - sizeHint().height();
        if (height > room) {
            height = std::max(room, fm.height());
            width += bar;
        }
        FArea->setFixedSize(width, height);
    }

    // What the window manager adds above and below a window: as it framed the active
    // window, at least a caption bar's worth.
    static int CaptionRoom() {
        int room = 48;
        if (const QWidget* w = QApplication::activeWindow())
            room = std::max(room, w->frameGeometry().height() - w->height());
        return room;
    }

    QScrollArea* FArea = nullptr;
    Integer FResult;
    bool FEscapes = false;
};

Integer ShowBox(const DialogRequest& r, const std::map<Integer, const char*>& texts, Integer EscapeResult) {
    if (const auto& hook = ui::CurrentDialogHook()) return hook(r).Result;
    ui::EnsureWidgetApplication();
    MessageWindow box(r, texts, EscapeResult);
    box.exec();
    return box.Result();
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
    dlg.setLabelText(ShownText(APrompt));
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
