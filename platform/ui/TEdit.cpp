#include "platform/ui/TEdit.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/detail/TypingLimit.h"
#include "platform/ui/SafeCall.h"

#include <QLineEdit>
#include <QPalette>

#include <algorithm>

namespace {
QLineEdit* Line(const TControl* c) {
    return static_cast<QLineEdit*>(c->Widget());
}
} // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QLineEdit>()) {
    QLineEdit* e = Line(this);
    QObject::connect(e, &QLineEdit::textEdited, [this](const QString& text) {
        FModified = true;
        LimitTo(static_cast<Integer>(text.size()));
        if (FCharCase == ecNormal) return;
        const QString cased = FCharCase == ecUpperCase ? text.toUpper() : text.toLower();
        if (cased != text) {
            const int pos = Line(this)->cursorPosition();
            Line(this)->setText(cased);
            Line(this)->setCursorPosition(pos);
        }
    });
    QObject::connect(e, &QLineEdit::textChanged, [this] { ui::SafeCall(this, [this] { Change(); }); });
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged(); // clWindow is the starting value, so SetColor alone changes nothing
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

String TEdit::Text() const {
    return ui::FromQt(Line(this)->text());
}

void TEdit::SetText(const String& v) {
    QString text = ui::ToQt(v);
    if (FCharCase == ecUpperCase)
        text = text.toUpper();
    else if (FCharCase == ecLowerCase)
        text = text.toLower();
    if (text == Line(this)->text()) return;
    LimitTo(static_cast<Integer>(text.size()));
    Line(this)->setText(text);
    // A box filled by the program shows its text from the start (a long address is read
    // from its beginning); one the user is typing in keeps the caret where the typing is.
    if (!Line(this)->hasFocus()) Line(this)->setCursorPosition(0);
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::SetMaxLength(Integer v) {
    FMaxLength = std::max(v, 0);
    LimitTo(static_cast<Integer>(Line(this)->text().size()));
}

void TEdit::LimitTo(Integer Length) {
    ui::LimitTyping(Line(this), FMaxLength, Length);
}

bool TEdit::ReadOnly() const {
    return Line(this)->isReadOnly();
}
void TEdit::SetReadOnly(bool v) {
    Line(this)->setReadOnly(v);
}

void TEdit::SetPasswordChar(char v) {
    FPasswordChar = v;
    Line(this)->setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::SetCharCase(TEditCharCase v) {
    FCharCase = v;
    SetText(Text());
}

void TEdit::SetBorderStyle(TBorderStyle v) {
    FBorderStyle = v;
    Line(this)->setFrame(v != bsNone);
}

Integer TEdit::SelStart() const {
    const QLineEdit* e = Line(this);
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TEdit::SetSelStart(Integer v) {
    Line(this)->setCursorPosition(v);
}

Integer TEdit::SelLength() const {
    return Integer(Line(this)->selectedText().size());
}

void TEdit::SetSelLength(Integer v) {
    Line(this)->setSelection(SelStart(), v);
}

String TEdit::SelText() const {
    return ui::FromQt(Line(this)->selectedText());
}

void TEdit::SetSelText(const String& v) {
    Line(this)->insert(ui::ToQt(v));
}

void TEdit::SelectAll() {
    Line(this)->selectAll();
}

void TEdit::ColorChanged() {
    QPalette pal = Widget()->palette();
    pal.setColor(QPalette::Base, ui::ToQColor(Color()));
    Widget()->setPalette(pal);
    TWinControl::ColorChanged();
}

void TEdit::DoEnter() {
    if (FAutoSelect) Line(this)->selectAll();
    TWinControl::DoEnter();
}
