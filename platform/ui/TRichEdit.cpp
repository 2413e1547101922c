#include "platform/ui/TRichEdit.h"

#include "platform/graphics/RichTextQt.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/detail/QtSupport.h"

#include <QPalette>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace {

QTextEdit* Editor(const TControl* c) {
    return static_cast<QTextEdit*>(c->Widget());
}

Integer LengthOf(const QTextDocument* Doc) {
    return std::max(0, Doc->characterCount() - 1);
}

} // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QTextEdit>()) {
    QTextEdit* e = Editor(this);
    e->setAcceptRichText(false); // pasted text takes the caret's format
    e->setTabChangesFocus(false);
    e->document()->setDocumentMargin(2);
    // What is typed into an empty box: the reader's default run.
    e->setCurrentCharFormat(graphics::rich::ToQt(rtf::CharFormat()));
    QObject::connect(e, &QTextEdit::textChanged, [this] {
        ui::SafeCall(this, [this] {
            if (OnChange) OnChange(this);
        });
    });
    QObject::connect(e, &QTextEdit::cursorPositionChanged, [this] {
        ui::SafeCall(this, [this] {
            if (OnSelectionChange) OnSelectionChange(this);
        });
    });
    QObject::connect(e, &QTextEdit::selectionChanged, [this] {
        ui::SafeCall(this, [this] {
            if (OnSelectionChange) OnSelectionChange(this);
        });
    });
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged();
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
}

void TRichEdit::LoadRtf(std::string_view Bytes) {
    QTextDocument* doc = Editor(this)->document();
    graphics::rich::ReadRtf(*doc, Bytes);
    doc->clearUndoRedoStacks();
    QTextCursor c(doc);
    Editor(this)->setTextCursor(c);
    if (doc->isEmpty()) Editor(this)->setCurrentCharFormat(graphics::rich::ToQt(rtf::CharFormat()));
}

std::string TRichEdit::SaveRtf() const {
    const QTextDocument* doc = Editor(this)->document();
    return graphics::rich::WriteRtf(*doc, 0, LengthOf(doc));
}

String TRichEdit::Text() const {
    QString text = Editor(this)->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return ui::FromQt(text);
}

void TRichEdit::SetText(const String& v) {
    Clear();
    SetSelText(v);
    Editor(this)->document()->clearUndoRedoStacks();
}

void TRichEdit::Clear() {
    LoadRtf({});
}

Integer TRichEdit::SelStart() const {
    return Editor(this)->textCursor().selectionStart();
}

void TRichEdit::SetSelStart(Integer v) {
    QTextCursor c = Editor(this)->textCursor();
    c.setPosition(std::clamp(v, 0, LengthOf(Editor(this)->document())));
    Editor(this)->setTextCursor(c);
}

Integer TRichEdit::SelLength() const {
    const QTextCursor c = Editor(this)->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(Integer v) {
    QTextCursor c = Editor(this)->textCursor();
    const Integer start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + v, start, LengthOf(Editor(this)->document())), QTextCursor::KeepAnchor);
    Editor(this)->setTextCursor(c);
}

String TRichEdit::SelText() const {
    QString text = Editor(this)->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return ui::FromQt(text);
}

void TRichEdit::SetSelText(const String& v) {
    QTextCursor c = Editor(this)->textCursor();
    QTextCharFormat format = Editor(this)->currentCharFormat();
    if (c.hasSelection()) {
        QTextCursor first(Editor(this)->document());
        first.setPosition(c.selectionStart() + 1);
        format = first.charFormat();
    }
    QString text = ui::ToQt(v);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    c.beginEditBlock();
    c.removeSelectedText();
    c.insertText(text, format);
    c.endEditBlock();
    Editor(this)->setTextCursor(c);
}

void TRichEdit::SelectAll() {
    Editor(this)->selectAll();
}

rtf::CharFormat TRichEdit::SelAttributes() const {
    const QTextCursor c = Editor(this)->textCursor();
    if (!c.hasSelection()) return graphics::rich::FromQt(Editor(this)->currentCharFormat());
    QTextCursor first(Editor(this)->document());
    first.setPosition(c.selectionStart() + 1);
    return graphics::rich::FromQt(first.charFormat());
}

void TRichEdit::ChangeSelAttributes(const std::function<void(rtf::CharFormat&)>& Change) {
    QTextEdit* e = Editor(this);
    const QTextCursor sel = e->textCursor();
    if (!sel.hasSelection()) {
        rtf::CharFormat f = graphics::rich::FromQt(e->currentCharFormat());
        Change(f);
        e->setCurrentCharFormat(graphics::rich::ToQt(f));
        return;
    }
    const int from = sel.selectionStart(), to = sel.selectionEnd();
    QTextCursor edit(e->document());
    edit.beginEditBlock();
    // Run by run, so each keeps what the change leaves alone.
    for (QTextBlock b = e->document()->findBlock(from); b.isValid() && b.position() < to; b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const int start = std::max(from, frag.position());
            const int end = std::min(to, frag.position() + frag.length());
            if (start >= end) continue;
            rtf::CharFormat f = graphics::rich::FromQt(frag.charFormat());
            Change(f);
            edit.setPosition(start);
            edit.setPosition(end, QTextCursor::KeepAnchor);
            edit.setCharFormat(graphics::rich::ToQt(f));
        }
    edit.endEditBlock();
}

rtf::ParaFormat TRichEdit::Paragraph() const {
    return graphics::rich::FromQt(Editor(this)->textCursor().blockFormat());
}

void TRichEdit::ChangeParagraphs(const std::function<void(rtf::ParaFormat&)>& Change) {
    QTextEdit* e = Editor(this);
    const QTextCursor sel = e->textCursor();
    QTextDocument* doc = e->document();
    const QTextBlock last = doc->findBlock(sel.selectionEnd());
    QTextCursor edit(doc);
    edit.beginEditBlock();
    for (QTextBlock b = doc->findBlock(sel.selectionStart()); b.isValid(); b = b.next()) {
        rtf::ParaFormat p = graphics::rich::FromQt(b.blockFormat());
        Change(p);
        edit.setPosition(b.position());
        edit.setBlockFormat(graphics::rich::ToQt(p));
        if (b == last) break;
    }
    edit.endEditBlock();
    // Only a paragraph's format changed: no change of the text to announce,
    // but the caret's paragraph reads differently now.
    if (OnSelectionChange) OnSelectionChange(this);
}

Integer TRichEdit::ParagraphCount() const {
    return Editor(this)->document()->blockCount();
}

String TRichEdit::ParagraphText(Integer Index) const {
    return ui::FromQt(Editor(this)->document()->findBlockByNumber(Index).text());
}

Integer TRichEdit::ParagraphStart(Integer Index) const {
    const QTextBlock b = Editor(this)->document()->findBlockByNumber(Index);
    return b.isValid() ? b.position() : LengthOf(Editor(this)->document());
}

Integer TRichEdit::ParagraphAt(Integer Pos) const {
    const QTextDocument* doc = Editor(this)->document();
    const QTextBlock b = doc->findBlock(std::clamp(Pos, 0, LengthOf(doc)));
    return b.isValid() ? b.blockNumber() : doc->blockCount() - 1;
}

bool TRichEdit::CanUndo() const {
    return Editor(this)->document()->isUndoAvailable();
}

void TRichEdit::Undo() {
    Editor(this)->undo();
}

bool TRichEdit::ReadOnly() const {
    return Editor(this)->isReadOnly();
}

void TRichEdit::SetReadOnly(bool v) {
    Editor(this)->setReadOnly(v);
}

void TRichEdit::ColorChanged() {
    QPalette pal = Widget()->palette();
    pal.setColor(QPalette::Base, ui::ToQColor(Color()));
    Widget()->setPalette(pal);
    TWinControl::ColorChanged();
}
