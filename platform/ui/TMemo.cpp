#include "platform/ui/TMemo.h"

#include "platform/core/TStrings.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/VirtualKeys.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QStringList>

namespace {

QPlainTextEdit* Editor(const TControl* c) {
    return static_cast<QPlainTextEdit*>(c->Widget());
}

QStringList SplitLines(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split('\n');
    // A final line break ends the last line; it starts no new one.
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace

// The lines live in the editor itself, so typing and Lines never disagree.
class TMemo::MemoLines : public TStrings {
public:
    explicit MemoLines(TMemo* m) : FMemo(m) {}
    Integer Count() const override { return Integer(Lines().size()); }
    String Get(Integer Index) const override {
        const QStringList l = Lines();
        if (Index < 0 || Index >= l.size()) IndexError(Index);
        return ui::FromQt(l[Index]);
    }
    void Put(Integer Index, const String& S) override {
        QStringList l = Lines();
        if (Index < 0 || Index >= l.size()) IndexError(Index);
        l[Index] = ui::ToQt(S);
        Store(l);
    }
    void Insert(Integer Index, const String& S) override {
        QStringList l = Lines();
        if (Index < 0 || Index > l.size()) IndexError(Index);
        l.insert(Index, ui::ToQt(S));
        Store(l);
    }
    void Delete(Integer Index) override {
        QStringList l = Lines();
        if (Index < 0 || Index >= l.size()) IndexError(Index);
        l.removeAt(Index);
        Store(l);
    }
    void Clear() override { Editor(FMemo)->setPlainText(QString()); }

private:
    QStringList Lines() const { return SplitLines(Editor(FMemo)->toPlainText()); }
    void Store(const QStringList& l) { Editor(FMemo)->setPlainText(l.join('\n')); }
    TMemo* FMemo;
};

TMemo::TMemo(TComponent* AOwner)
    : TWinControl(AOwner, ui::NewWidget<QPlainTextEdit>()), FLines(std::make_unique<MemoLines>(this)) {
    QPlainTextEdit* e = Editor(this);
    e->setTabChangesFocus(true);
    QObject::connect(e, &QPlainTextEdit::textChanged, [this] { ui::SafeCall(this, [this] { Change(); }); });
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged(); // clWindow is the starting value, so SetColor alone changes nothing
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

TStrings* TMemo::Lines() const {
    return FLines.get();
}

String TMemo::Text() const {
    String text = ui::FromQt(Editor(this)->toPlainText());
    String out;
    out.reserve(text.size());
    for (char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

void TMemo::SetText(const String& v) {
    QString text = ui::ToQt(v);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    if (text == Editor(this)->toPlainText()) return;
    Editor(this)->setPlainText(text);
}

bool TMemo::ReadOnly() const {
    return Editor(this)->isReadOnly();
}
void TMemo::SetReadOnly(bool v) {
    Editor(this)->setReadOnly(v);
    // Only the text is read-only: the caret still follows the keyboard.
    if (v) Editor(this)->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TMemo::SetWordWrap(bool v) {
    FWordWrap = v;
    Editor(this)->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SelectAll() {
    Editor(this)->selectAll();
}

String TMemo::SelText() const {
    QString text = Editor(this)->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return ui::FromQt(text);
}

bool TMemo::WantsKey(Word Key) const {
    if (Key == VK_RETURN) return FWantReturns;
    if (Key == VK_TAB) return FWantTabs;
    return false;
}

void TMemo::KeyPress(String& Key) {
    TWinControl::KeyPress(Key);
    if (Key.empty() || FMaxLength == 0) return;
    // Control characters other than Enter's add nothing (Backspace, and Ctrl with a letter:
    // select all, copy, cut, undo), so a full memo still takes them.
    if (Key.size() == 1 && static_cast<unsigned char>(Key[0]) < 0x20 && Key != "\r" && Key != "\n") return;
    // A full memo takes no more characters.
    if (Editor(this)->toPlainText().size() >= FMaxLength && !Editor(this)->textCursor().hasSelection())
        Key.clear();
}

void TMemo::Change() {
    if (OnChange) OnChange(this);
}

void TMemo::ColorChanged() {
    QPalette pal = Widget()->palette();
    pal.setColor(QPalette::Base, ui::ToQColor(Color()));
    Widget()->setPalette(pal);
    TWinControl::ColorChanged();
}
