#include "controls/common/GxUtils.h"

#include "platform/core/FileUtils.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/SystemInfo.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"

#include <algorithm>
#include <cmath>

String Spaces(Word N) {
    return DupChar(U' ', N);
}

String DupChar(char32_t C, Word N) {
    return N == 0 ? String() : StringOfChar(C, N);
}

String DupStr(const String& S, Word N) {
    return DupeString(S, N);
}

String ExpandString(const String& S, Integer Len) {
    const Integer have = Length(S);
    return have >= Len ? S : S + String(std::size_t(Len - have), ' ');
}

void Msg(const String& S) {
    if (Application) Application->MessageBox(S, String(), MB_ICONASTERISK);
}

bool IsPointInRect(TPoint P, const TRect& R) {
    return P.X > R.Left && P.X < R.Right && P.Y > R.Top && P.Y < R.Bottom;
}

Integer SantimsToPixels(HDC DC, bool Horizontal, float Value) {
    const Integer dpi = GetDeviceCaps(DC, Horizontal ? LOGPIXELSX : LOGPIXELSY);
    return Integer(Round(dpi * double(Value) * 1.541 * 2.54 / 10.0));
}

bool IsItAFilledBitmap(const TBitmap* Bitmap) {
    return Bitmap && Bitmap->Width() != 0 && Bitmap->Height() != 0;
}

Integer SystemColorDepth() {
    return ScreenColorDepth();
}

bool IsSmallFonts() {
    TBitmap probe(1, 1);
    return GetDeviceCaps(probe.Canvas(), LOGPIXELSX) == 96;
}

String UserName() {
    return Copy(GetUserName(), 1, 32);
}

String ComputerName() {
    return Copy(GetComputerName(), 1, 32);
}

String CreateIniFileName() {
    return ChangeFileExt(ParamStr(0), ".ini");
}

TgxFileType GetFileType(const String& FileName) {
    const String ext = LowerCase(ExtractFileExt(FileName));
    if (ext == ".gif") return fftGif;
    if (ext == ".jpeg" || ext == ".jpg") return fftJpeg;
    if (ext == ".bmp") return fftBmp;
    return fftUndefined;
}

void BringParentWindowToTop(TControl* Control) {
    for (TControl* c = Control ? Control->Parent() : nullptr; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c)) {
            form->BringToFront();
            return;
        }
}

Integer StrPosExt(const String& S, const String& Sub, Integer Len) {
    if (S.empty() || Sub.empty()) return 0;
    const Integer at = Pos(Sub, Copy(S, 1, Len));
    return at;
}

std::unique_ptr<TFont> CreateRotatedFont(const TFont* Font, Integer Angle) {
    auto font = std::make_unique<TFont>();
    if (Font) font->Assign(const_cast<TFont*>(Font));
    font->SetOrientation(Angle);
    return font;
}

void DrawTextExtAligned(TCanvas* Canvas, const String& Text, const TRect& Rect, TgxTextAlign Alignment,
                        bool WordWrap) {
    if (!Canvas) return;
    if (Alignment != ftaBroadwise) {
        const Cardinal align = Alignment == ftaRightJustify ? DT_RIGHT
                               : Alignment == ftaCenter     ? DT_CENTER
                                                            : DT_LEFT;
        TRect r = Rect;
        DrawText(Canvas, Text, -1, r, DT_EXPANDTABS | (WordWrap ? DT_WORDBREAK : 0) | align);
        return;
    }
    std::vector<String> words;
    for (std::size_t at = 0; at < Text.size();) {
        const std::size_t end = std::min(Text.find(' ', at), Text.size());
        if (end > at) words.push_back(Text.substr(at, end - at));
        at = end + 1;
    }
    const Integer width = Rect.Width();
    Integer y = Rect.Top;
    Integer lineHeight = 0;
    std::size_t first = 0;
    while (first < words.size()) {
        std::size_t last = first;
        Integer used = 0;
        std::vector<Integer> widths;
        for (; last < words.size(); ++last) {
            const TSize extent = Canvas->TextExtent(words[last]);
            lineHeight = std::max(lineHeight, extent.cy);
            if (last > first && used + extent.cx > width) break;
            used += extent.cx;
            widths.push_back(extent.cx);
        }
        const Integer gaps = Integer(last - first) - 1;
        const bool lastLine = last >= words.size();
        const Integer single = Canvas->TextWidth(" ");
        Integer x = Rect.Left;
        for (std::size_t i = first; i < last; ++i) {
            Canvas->TextOut(x, y, words[i]);
            const Integer k = Integer(i - first);
            x += widths[std::size_t(k)];
            if (gaps > 0)
                x += lastLine ? single : (width - used) / gaps + (k < (width - used) % gaps ? 1 : 0);
        }
        y += lineHeight;
        first = last;
    }
}
