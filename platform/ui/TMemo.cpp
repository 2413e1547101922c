#include "platform/ui/TMemo.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/detail/TypingLimit.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/VirtualKeys.h"

#include <QFontMetrics>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <QTextDocument>

#include <algorithm>
#include <functional>

namespace {

// The length of the line end at Text[At]: 2 for CR LF, 1 for a lone CR or LF, 0 for none.
// Breaks also counts the editor's own line breaks (paragraph and line separators).
int LineEndAt(const QString& Text, qsizetype At, bool Breaks) {
    const QChar c = Text[At];
    if (c == u'\r') return At + 1 < Text.size() && Text[At + 1] == u'\n' ? 2 : 1;
    if (c == u'\n') return 1;
    return Breaks && (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) ? 1 : 0;
}

// The editor's document text for a stored text: each line end one paragraph separator.
QString Collapse(const QString& Stored) {
    QString raw;
    raw.reserve(Stored.size());
    for (qsizetype i = 0; i < Stored.size();) {
        const int end = LineEndAt(Stored, i, false);
        raw += end ? QChar(QChar::ParagraphSeparator) : Stored[i];
        i += end ? end : 1;
    }
    return raw;
}

// The stored form of text the user put in: each line break CR LF.
QString Expand(const QString& Typed) {
    QString stored;
    stored.reserve(Typed.size());
    for (qsizetype i = 0; i < Typed.size();) {
        const int end = LineEndAt(Typed, i, true);
        if (end)
            stored += QStringLiteral("\r\n");
        else
            stored += Typed[i];
        i += end ? end : 1;
    }
    return stored;
}

// Where the document's Position falls in Stored, whose each line end is one document character.
qsizetype StoredOffset(const QString& Stored, qsizetype Position) {
    qsizetype at = 0;
    for (qsizetype p = 0; p < Position && at < Stored.size(); ++p)
        at += std::max(LineEndAt(Stored, at, false), 1);
    return at;
}

QStringList SplitLines(const QString& Stored) {
    if (Stored.isEmpty()) return {};
    QStringList lines(QString{});
    for (qsizetype i = 0; i < Stored.size();) {
        const int end = LineEndAt(Stored, i, false);
        if (end)
            lines.append(QString());
        else
            lines.back() += Stored[i];
        i += end ? end : 1;
    }
    // A final line break ends the last line; it starts no new one.
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// The longest head of Text that Room characters hold as stored: a line break takes the two of
// CR LF, and a character outside the basic plane is never split.
QString Head(const QString& Text, Integer Room) {
    Integer used = 0;
    qsizetype i = 0;
    while (i < Text.size()) {
        const int end = LineEndAt(Text, i, true);
        const qsizetype step =
            end ? end
                : (Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate() ? 2 : 1);
        const Integer cost = end ? 2 : Integer(step);
        if (used + cost > Room) break;
        used += cost;
        i += step;
    }
    return Text.left(i);
}

// The memo's editor: a paste or a drop goes in cut to what the memo has room for.
class MemoEditor : public QPlainTextEdit {
public:
    std::function<QString(const QString&)> Fit;

protected:
    void insertFromMimeData(const QMimeData* Source) override {
        if (!Fit || !Source->hasText()) return QPlainTextEdit::insertFromMimeData(Source);
        QMimeData cut;
        cut.setText(Fit(Source->text()));
        QPlainTextEdit::insertFromMimeData(&cut);
    }
};

MemoEditor* Editor(const TControl* c) {
    return static_cast<MemoEditor*>(c->Widget());
}

} // namespace

// The text as Text gives it, and the editor's document text it stands for, kept in step with
// every edit: the editor itself turns every line end into its own and hands back no-break
// spaces as plain ones.
struct TMemo::Shown {
    QString Stored;
    QString Raw;
    bool Setting = false;
    // The characters of Stored that the editor's selection covers.
    std::pair<qsizetype, qsizetype> Selection(const QPlainTextEdit* Editor) const {
        const QTextCursor c = Editor->textCursor();
        return {StoredOffset(Stored, c.selectionStart()), StoredOffset(Stored, c.selectionEnd())};
    }
};

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
    void Clear() override { FMemo->SetText(String()); }

private:
    QStringList Lines() const { return SplitLines(FMemo->FShown->Stored); }
    void Store(const QStringList& l) { FMemo->SetText(ui::FromQt(l.join(QStringLiteral("\r\n")))); }
    TMemo* FMemo;
};

TMemo::TMemo(TComponent* AOwner)
    : TWinControl(AOwner, ui::NewWidget<MemoEditor>()), FLines(std::make_unique<MemoLines>(this)),
      FShown(std::make_unique<Shown>()) {
    MemoEditor* e = Editor(this);
    e->setTabChangesFocus(true);
    e->Fit = [this](const QString& Text) {
        const auto [from, to] = FShown->Selection(Editor(this));
        return Head(Text, ui::TypingRoom(FMaxLength, Integer(FShown->Stored.size()), Integer(to - from)));
    };
    QObject::connect(e->document(), &QTextDocument::contentsChange,
                     [this](int Position, int Removed, int Added) {
                         ui::SafeCall(this, [&] { FollowEdit(Position, Removed, Added); });
                     });
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
    return ui::FromQt(FShown->Stored);
}

void TMemo::SetText(const String& v) {
    Shown& s = *FShown;
    const QString stored = ui::ToQt(v);
    const QString raw = Collapse(stored);
    if (raw == s.Raw) {
        s.Stored = stored;
        return;
    }
    // The text is laid out once, under the wrapping it needs.
    const bool anywhere = WrapsAnywhere(raw);
    if (anywhere) ChooseWrap(true);
    s.Stored = stored;
    s.Raw = raw;
    {
        s.Setting = true;
        const core::ScopeExit done([&s] { s.Setting = false; });
        Editor(this)->setPlainText(raw);
    }
    if (!anywhere) ChooseWrap(false);
    // A character the editor does not keep as given (none that a code page holds) stands as kept.
    const QString kept = Editor(this)->document()->toRawText();
    if (kept != raw) {
        s.Raw = kept;
        s.Stored = Expand(kept);
    }
}

void TMemo::FollowEdit(int Position, int Removed, int Added) {
    Shown& s = *FShown;
    if (s.Setting) return;
    const QString raw = Editor(this)->document()->toRawText();
    if (raw == s.Raw) return;
    const qsizetype before = s.Raw.size(), after = raw.size(), shorter = std::min(before, after);
    qsizetype prefix = 0, suffix = 0;
    while (prefix < shorter && s.Raw[prefix] == raw[prefix])
        ++prefix;
    while (suffix < shorter && s.Raw[before - 1 - suffix] == raw[after - 1 - suffix])
        ++suffix;
    // The document's characters from Start on, up to the last Tail, changed.
    qsizetype start = prefix, tail = std::min(suffix, shorter - prefix);
    // Among equal characters (an Enter beside a line end) the toolkit's report says where the
    // edit was, when it tells of this one change.
    if (Position < start && Removed == before - start - tail && Added == after - start - tail &&
        before - Position - Removed <= suffix) {
        start = Position;
        tail = before - Position - Removed;
    }
    const qsizetype from = StoredOffset(s.Stored, start), to = StoredOffset(s.Stored, before - tail);
    s.Stored.replace(from, to - from, Expand(raw.mid(start, after - tail - start)));
    s.Raw = raw;
}

bool TMemo::ReadOnly() const {
    return Editor(this)->isReadOnly();
}
void TMemo::SetReadOnly(bool v) {
    Editor(this)->setReadOnly(v);
    // Only the text is read-only: the caret still follows the keyboard.
    if (v) Editor(this)->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ChooseWrap(WrapsAnywhere(FShown->Raw));
}

void TMemo::SetWordWrap(bool v) {
    FWordWrap = v;
    Editor(this)->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::ChooseWrap(bool Anywhere) {
    Editor(this)->setWordWrapMode(Anywhere ? QTextOption::WrapAnywhere
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

// The toolkit's word wrap searches a whole word for a place to break each line it lays out, so
// a word of some hundred thousand characters keeps the box busy for seconds to minutes (a case
// description pasted without spaces). A read-only box whose text holds a word wider than the
// screen, which no line could hold anyway, wraps anywhere instead; other texts wrap at words.
bool TMemo::WrapsAnywhere(const QString& Raw) const {
    if (!ReadOnly() || !FWordWrap) return false;
    const QScreen* screen = Widget()->screen();
    const qsizetype width = screen ? screen->geometry().width() : 1920;
    // Each character is a pixel wide at least, so only a word that long can be that wide.
    if (Raw.size() < width) return false;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, Raw);
    qsizetype from = 0, start = 0, longest = 0;
    while (breaks.toNextBoundary() != -1) {
        if (breaks.position() - from > longest) {
            start = from;
            longest = breaks.position() - from;
        }
        from = breaks.position();
    }
    return longest >= width &&
           QFontMetrics(Widget()->font()).horizontalAdvance(Raw.mid(start, std::min(longest, width))) > width;
}

void TMemo::SelectAll() {
    Editor(this)->selectAll();
}

String TMemo::SelText() const {
    const auto [from, to] = FShown->Selection(Editor(this));
    return ui::FromQt(FShown->Stored.mid(from, to - from));
}

bool TMemo::WantsKey(Word Key) const {
    if (Key == VK_RETURN) return FWantReturns;
    if (Key == VK_TAB) return FWantTabs;
    return false;
}

void TMemo::KeyPress(String& Key) {
    TWinControl::KeyPress(Key);
    if (Key.empty() || FMaxLength == 0) return;
    const bool lineBreak = Key == "\r" || Key == "\n";
    // Control characters other than Enter's add nothing (Backspace, and Ctrl with a letter:
    // select all, copy, cut, undo; a paste is cut to fit as it goes in), so a full memo still
    // takes them.
    if (!lineBreak && Key.size() == 1 && static_cast<unsigned char>(Key[0]) < 0x20) return;
    const QString typed = lineBreak ? QStringLiteral("\r\n") : ui::ToQt(Key);
    if (Editor(this)->Fit(typed).size() < typed.size()) Key.clear();
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
