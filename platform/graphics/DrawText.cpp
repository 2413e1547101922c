#include "platform/graphics/DrawText.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace graphics {

namespace {

const String Ellipsis = "...";

struct Measure {
    TextMeasurer& M;
    const FontState& Font;
    Integer CharExtra;
    Integer TabWidth; // 0: tabs are plain characters
    bool Expand;

    Integer Plain(const String& s) const {
        if (s.empty()) return 0;
        return M.TextWidth(Font, s) + CharExtra * Integer(core::Utf8Length(s));
    }
    // Width with tabs advancing to the next stop.
    Integer Width(const String& s) const {
        if (!Expand || s.find('\t') == String::npos) return Plain(s);
        Integer x = 0;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = s.find('\t', start);
            x += Plain(s.substr(start, tab == String::npos ? String::npos : tab - start));
            if (tab == String::npos) return x;
            x = TabWidth > 0 ? (x / TabWidth + 1) * TabWidth : x;
            start = tab + 1;
        }
    }
};

// The characters of s as separate UTF-8 strings.
std::vector<String> Chars(const String& s) {
    std::vector<String> out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        core::Utf8Next(s, pos);
        out.push_back(s.substr(start, pos - start));
    }
    return out;
}

String Join(const std::vector<String>& chars, std::size_t from, std::size_t to) {
    String s;
    for (std::size_t i = from; i < to && i < chars.size(); ++i)
        s += chars[i];
    return s;
}

// Largest n in [0, limit] for which fits(n) holds, given that fits is true
// up to some point and false after it (widths grow with the text).
template <typename F> std::size_t LongestFitting(std::size_t limit, F&& fits) {
    std::size_t lo = 0, hi = limit;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

// Longest start of s that fits with "..." after it.
String EndEllipsis(const Measure& m, const String& s, Integer width) {
    const auto chars = Chars(s);
    const std::size_t n = LongestFitting(chars.size() - (chars.empty() ? 0 : 1), [&](std::size_t k) {
        return m.Width(Join(chars, 0, k) + Ellipsis) <= width;
    });
    return Join(chars, 0, n) + Ellipsis;
}

// Keeps the last path component and as much of the start as fits around "...".
String PathEllipsis(const Measure& m, const String& s, Integer width) {
    const std::size_t sep = s.find_last_of("\\/");
    if (sep == String::npos) return EndEllipsis(m, s, width);
    const String tail = s.substr(sep);
    const auto head = Chars(s.substr(0, sep));
    if (m.Width(Ellipsis + tail) > width) return EndEllipsis(m, Ellipsis + tail, width);
    const std::size_t n = LongestFitting(head.empty() ? 0 : head.size() - 1, [&](std::size_t k) {
        return m.Width(Join(head, 0, k) + Ellipsis + tail) <= width;
    });
    return Join(head, 0, n) + Ellipsis + tail;
}

// Prefix characters: "&x" underlines x, "&&" is one "&".
String StripPrefix(const String& s, Integer& underline, bool keepMark) {
    String out;
    underline = -1;
    Integer index = 0;
    const auto chars = Chars(s);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == "&") {
            if (i + 1 < chars.size()) {
                ++i;
                if (chars[i] != "&" && keepMark) underline = index;
            } else {
                continue; // a lone "&" at the end shows nothing
            }
        }
        out += chars[i];
        ++index;
    }
    return out;
}

// Whether a line may end after the hyphen at i: one joining two parts of a word
// ("Dokumentum-kezelés"), not a dash standing between spaces.
bool BreaksAfterHyphen(const std::vector<String>& chars, std::size_t i, std::size_t start) {
    return chars[i] == "-" && i > start && i + 1 < chars.size() && chars[i - 1] != " " && chars[i + 1] != " ";
}

// Breaks one paragraph at spaces, or after a hyphen inside a word, so that each line fits width.
std::vector<String> WrapParagraph(const Measure& m, const String& para, Integer width, bool breakWords) {
    std::vector<String> lines;
    const auto chars = Chars(para);
    std::size_t start = 0;
    while (start < chars.size()) {
        // end: one past the last character that still fits (at least one).
        const std::size_t fit = LongestFitting(chars.size() - start, [&](std::size_t k) {
            return m.Width(Join(chars, start, start + k)) <= width;
        });
        const std::size_t end = start + std::max<std::size_t>(fit, 1);
        if (end >= chars.size()) {
            lines.push_back(Join(chars, start, chars.size()));
            break;
        }
        std::size_t lastBreak = String::npos;
        bool afterHyphen = false;
        for (std::size_t i = end; i-- > start;) {
            if (chars[i] == " ") {
                lastBreak = i;
                break;
            }
            if (BreaksAfterHyphen(chars, i, start)) {
                lastBreak = i;
                afterHyphen = true;
                break;
            }
        }
        if (chars[end] == " ") {
            lines.push_back(Join(chars, start, end));
            start = end + 1;
        } else if (lastBreak != String::npos && lastBreak > start) {
            // A space is dropped at the break; a hyphen stays at the line's end.
            lines.push_back(Join(chars, start, afterHyphen ? lastBreak + 1 : lastBreak));
            start = lastBreak + 1;
        } else if (breakWords) {
            lines.push_back(Join(chars, start, end));
            start = end;
        } else {
            // A word wider than the line stays whole and overflows.
            std::size_t next = end;
            while (next < chars.size() && chars[next] != " ")
                ++next;
            lines.push_back(Join(chars, start, next));
            start = next < chars.size() ? next + 1 : next;
        }
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

} // namespace

TextLayout LayoutText(TextMeasurer& measurer, const FontState& font, Integer charExtra, const String& text,
                      const TRect& rect, Cardinal format, Integer tabLength) {
    const TextMetrics metrics = measurer.Metrics(font);
    const Measure m{measurer, font, charExtra, tabLength * metrics.AveCharWidth,
                    (format & DT_EXPANDTABS) != 0};
    const Integer lineHeight = metrics.Height + ((format & DT_EXTERNALLEADING) ? metrics.ExternalLeading : 0);
    const Integer width = rect.Width();
    const bool single = (format & DT_SINGLELINE) != 0;

    TextLayout layout;
    std::vector<String> paragraphs;
    if (single) {
        String s;
        for (char c : text)
            if (c != '\r' && c != '\n') s += c;
        paragraphs.push_back(s);
    } else {
        String cur;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                paragraphs.push_back(cur);
                cur.clear();
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            } else {
                cur += text[i];
            }
        }
        if (!cur.empty() || paragraphs.empty()) paragraphs.push_back(cur);
    }
    if (text.empty()) {
        layout.Extent = TRect(rect.Left, rect.Top, rect.Left, rect.Top);
        return layout;
    }

    const bool prefix = (format & DT_NOPREFIX) == 0;
    const bool wrap = !single && (format & DT_WORDBREAK) != 0;
    Integer maxWidth = 0;
    for (const String& para : paragraphs) {
        Integer underline = -1;
        const String plain = prefix ? StripPrefix(para, underline, (format & DT_HIDEPREFIX) == 0) : para;
        std::vector<String> pieces = wrap ? WrapParagraph(m, plain, width, (format & DT_EDITCONTROL) != 0)
                                          : std::vector<String>{plain};
        Integer consumed = 0;
        for (String& piece : pieces) {
            TextLine line;
            const Integer len = Integer(core::Utf8Length(piece));
            if (underline >= consumed && underline < consumed + len) line.Underline = underline - consumed;
            consumed += len + 1;
            if (m.Width(piece) > width) {
                if (format & DT_PATH_ELLIPSIS)
                    piece = PathEllipsis(m, piece, width);
                else if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))
                    piece = EndEllipsis(m, piece, width);
                if (line.Underline >= Integer(core::Utf8Length(piece)) - 3) line.Underline = -1;
            }
            line.Text = piece;
            line.Width = m.Width(piece);
            maxWidth = std::max(maxWidth, line.Width);
            layout.Lines.push_back(line);
        }
    }

    const Integer total = lineHeight * Integer(layout.Lines.size());
    Integer y = rect.Top;
    if (single && (format & DT_VCENTER))
        y = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        y = rect.Bottom - lineHeight;
    for (TextLine& line : layout.Lines) {
        if (format & DT_CENTER)
            line.X = rect.Left + (width - line.Width) / 2;
        else if (format & DT_RIGHT)
            line.X = rect.Right - line.Width;
        else
            line.X = rect.Left;
        line.Y = y;
        y += lineHeight;
    }
    layout.Extent = TRect(rect.Left, rect.Top, rect.Left + maxWidth, rect.Top + total);
    layout.Height = (single && (format & (DT_VCENTER | DT_BOTTOM))) ? y - rect.Top : total;
    return layout;
}

} // namespace graphics

namespace {

// Text drawn piece by piece between tab stops.
void DrawLine(TCanvas* dc, const graphics::TextLine& line, const TRect* clip, Cardinal format,
              Integer tabWidth) {
    auto* backend = dc->Backend();
    graphics::TextState state = dc->TextState();
    const Cardinal options = clip ? graphics::ETO_CLIPPED : 0;
    const TPoint origin = dc->ToDevice(TPoint(line.X, line.Y));
    TRect deviceClip = clip ? dc->ToDevice(*clip) : TRect();
    auto& measurer = dc->Measurer();
    auto plainWidth = [&](const String& s) {
        return measurer.TextWidth(state.Font, s) + state.CharExtra * Integer(core::Utf8Length(s));
    };
    if (!(format & DT_EXPANDTABS) || line.Text.find('\t') == String::npos) {
        if (!line.Text.empty())
            backend->TextOut(origin.X, origin.Y, options, clip ? &deviceClip : nullptr, line.Text, state);
    } else {
        Integer x = 0;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.Text.find('\t', start);
            const String piece = line.Text.substr(start, tab == String::npos ? String::npos : tab - start);
            if (!piece.empty())
                backend->TextOut(origin.X + x, origin.Y, options, clip ? &deviceClip : nullptr, piece, state);
            x += plainWidth(piece);
            if (tab == String::npos) break;
            x = tabWidth > 0 ? (x / tabWidth + 1) * tabWidth : x;
            start = tab + 1;
        }
    }
    if (line.Underline >= 0) {
        const auto chars = core::Utf8ToU32(line.Text);
        const Integer before = plainWidth(core::U32ToUtf8(chars.substr(0, std::size_t(line.Underline))));
        const Integer upTo = plainWidth(core::U32ToUtf8(chars.substr(0, std::size_t(line.Underline) + 1)));
        const auto metrics = measurer.Metrics(state.Font);
        graphics::BrushState b;
        b.Color = state.TextColor;
        TRect u(origin.X + before, origin.Y + metrics.Ascent + 1, origin.X + upTo,
                origin.Y + metrics.Ascent + 2);
        if (clip) IntersectRect(u, u, deviceClip);
        if (!IsRectEmpty(u)) backend->FillRect(u, b);
    }
}

} // namespace

namespace {

Integer DrawTextIn(TCanvas* DC, const String& Text, Integer Count, TRect& Rect, const TRect* Clip,
                   Cardinal Format, DRAWTEXTPARAMS* Params) {
    if (!DC) return 0;
    String text = Text;
    if (Count >= 0) text = text.substr(0, core::Utf8Offset(text, std::size_t(Count)));
    TRect area = Rect;
    Integer tabLength = 8;
    if (Params) {
        area.Left += Params->iLeftMargin;
        area.Right -= Params->iRightMargin;
        if (Params->iTabLength > 0) tabLength = Params->iTabLength;
        Params->uiLengthDrawn = Cardinal(core::Utf8Length(text));
    }
    auto& measurer = DC->Measurer();
    const auto font = DC->Font()->State();
    const auto layout =
        graphics::LayoutText(measurer, font, DC->TextCharacterExtra(), text, area, Format, tabLength);
    if (Format & DT_CALCRECT) {
        Rect.Right = layout.Extent.Right + (Params ? Params->iRightMargin : 0);
        Rect.Bottom = layout.Extent.Bottom;
        return layout.Height;
    }
    const Integer tabWidth = tabLength * measurer.Metrics(font).AveCharWidth;
    const TRect* clip = (Format & DT_NOCLIP) ? nullptr : Clip ? Clip : &Rect;
    for (const auto& line : layout.Lines)
        DrawLine(DC, line, clip, Format, tabWidth);
    return layout.Height;
}

} // namespace

Integer DrawTextEx(TCanvas* DC, const String& Text, Integer Count, TRect& Rect, Cardinal Format,
                   DRAWTEXTPARAMS* Params) {
    return DrawTextIn(DC, Text, Count, Rect, nullptr, Format, Params);
}

Integer DrawTextClipped(TCanvas* DC, const String& Text, const TRect& Rect, const TRect& Clip,
                        Cardinal Format) {
    TRect layout = Rect;
    return DrawTextIn(DC, Text, -1, layout, &Clip, Format & ~Cardinal(DT_CALCRECT), nullptr);
}

Integer DrawText(TCanvas* DC, const String& Text, Integer Count, TRect& Rect, Cardinal Format) {
    return DrawTextEx(DC, Text, Count, Rect, Format, nullptr);
}

bool ExtTextOut(TCanvas* DC, Integer X, Integer Y, Cardinal Options, const TRect* Rect, const String& Text,
                Integer Count, const Integer* Dx) {
    if (!DC) return false;
    String text = Text;
    if (Count >= 0) text = text.substr(0, core::Utf8Offset(text, std::size_t(Count)));
    auto* backend = DC->Backend();
    const auto state = DC->TextState();
    TRect r;
    if (Rect) r = DC->ToDevice(*Rect);
    const TPoint p = DC->ToDevice(TPoint(X, Y));
    if (!Dx) {
        backend->TextOut(p.X, p.Y, Options, Rect ? &r : nullptr, text, state);
        return true;
    }
    // Given advances: each character at its own place; the opaque fill once.
    if (Rect && (Options & graphics::ETO_OPAQUE)) {
        graphics::BrushState b;
        b.Color = state.BkColor;
        backend->FillRect(r, b);
    }
    Integer x = p.X;
    std::size_t i = 0;
    for (const char32_t c : core::Utf8ToU32(text)) {
        backend->TextOut(x, p.Y, Options & graphics::ETO_CLIPPED, Rect ? &r : nullptr,
                         core::U32ToUtf8(std::u32string(1, c)), state);
        x += Dx[i++];
    }
    return true;
}

bool TextOut(TCanvas* DC, Integer X, Integer Y, const String& Text, Integer Count) {
    return ExtTextOut(DC, X, Y, 0, nullptr, Text, Count, nullptr);
}

TColor SetTextColor(TCanvas* DC, TColor Color) {
    if (!DC) return clNone;
    const TColor old = DC->TextColor();
    DC->SetTextColor(Color);
    return old;
}

TColor SetBkColor(TCanvas* DC, TColor Color) {
    if (!DC) return clNone;
    const TColor old = DC->BkColor();
    DC->SetBkColor(Color);
    return old;
}

int SetBkMode(TCanvas* DC, int Mode) {
    if (!DC || (Mode != TRANSPARENT && Mode != OPAQUE)) return 0;
    const int old = DC->BkMode();
    DC->SetBkMode(Mode);
    return old;
}

Integer SetTextCharacterExtra(TCanvas* DC, Integer Extra) {
    if (!DC) return 0;
    const Integer old = DC->TextCharacterExtra();
    DC->SetTextCharacterExtra(Extra);
    return old;
}

bool SetTextJustification(TCanvas* DC, Integer BreakExtra, Integer BreakCount) {
    if (!DC) return false;
    DC->SetTextJustification(BreakExtra, BreakCount);
    return true;
}

bool GetTextMetrics(TCanvas* DC, TEXTMETRIC* Metrics) {
    if (!DC || !Metrics) return false;
    const auto& font = DC->Font()->State();
    const auto m = DC->Measurer().Metrics(font);
    TEXTMETRIC tm;
    tm.tmHeight = m.Height;
    tm.tmAscent = m.Ascent;
    tm.tmDescent = m.Descent;
    tm.tmInternalLeading = m.InternalLeading;
    tm.tmExternalLeading = m.ExternalLeading;
    tm.tmAveCharWidth = m.AveCharWidth;
    tm.tmMaxCharWidth = std::max(m.AveCharWidth, DC->Measurer().TextWidth(font, "W"));
    tm.tmWeight = font.Style.Contains(fsBold) ? 700 : 400;
    tm.tmItalic = font.Style.Contains(fsItalic);
    tm.tmUnderlined = font.Style.Contains(fsUnderline);
    tm.tmStruckOut = font.Style.Contains(fsStrikeOut);
    const bool fixed = DC->Measurer().TextWidth(font, "i") == DC->Measurer().TextWidth(font, "W");
    tm.tmPitchAndFamily = fixed ? 0 : 1;
    tm.tmCharSet = font.Charset;
    *Metrics = tm;
    return true;
}

bool GetTextExtentPoint32(TCanvas* DC, const String& Text, Integer Count, TSize* Size) {
    if (!DC || !Size) return false;
    String text = Text;
    if (Count >= 0) text = text.substr(0, core::Utf8Offset(text, std::size_t(Count)));
    *Size = DC->TextExtent(text);
    return true;
}
