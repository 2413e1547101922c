#pragma once
// Small stand-alone routines of the gx controls: arithmetic, strings,
// rectangles, screen and system queries, justified text and rotated fonts.
#include "platform/core/Types.h"
#include "platform/core/Variant.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TWinControl.h"

#include <memory>

enum TgxFileType { fftUndefined, fftBmp, fftGif, fftJpeg };
enum TgxTextAlign { ftaLeftJustify, ftaRightJustify, ftaCenter, ftaBroadwise };

inline Integer Min(Integer A, Integer B) {
    return A < B ? A : B;
}
inline Integer Max(Integer A, Integer B) {
    return A > B ? A : B;
}
inline float MinSingle(float A, float B) {
    return A < B ? A : B;
}
inline float MaxSingle(float A, float B) {
    return A > B ? A : B;
}
inline bool IsEven(Integer N) {
    return N % 2 == 0;
}
inline void SwapInt(Integer& A, Integer& B) {
    const Integer t = A;
    A = B;
    B = t;
}

String Spaces(Word N);
String DupChar(char32_t C, Word N);
String DupStr(const String& S, Word N);
// S padded on the right with blanks to Len characters; S when already as long.
String ExpandString(const String& S, Integer Len);
// An information box owned by the application window, without caption.
void Msg(const String& S);

// True only strictly inside R (the border counts as outside).
bool IsPointInRect(TPoint P, const TRect& R);
inline Integer RectW(const TRect& R) {
    return R.Right - R.Left;
}
inline Integer RectH(const TRect& R) {
    return R.Bottom - R.Top;
}
inline Variant IIF(bool Condition, const Variant& A, const Variant& B) {
    return Condition ? A : B;
}
inline String IIF(bool Condition, const String& A, const String& B) {
    return Condition ? A : B;
}

// Round(dots per inch × Value × 1.541 × 2.54 / 10), horizontally or vertically.
Integer SantimsToPixels(HDC DC, bool Horizontal, float Value);
// A bitmap that exists and has a width and a height.
class TBitmap;
bool IsItAFilledBitmap(const TBitmap* Bitmap);
// Bits per pixel of the screen.
Integer SystemColorDepth();
// The screen has 96 dots per inch.
bool IsSmallFonts();
// The user's and the computer's names, at most 32 characters.
String UserName();
String ComputerName();
// The program's file name with ".ini" for its extension.
String CreateIniFileName();
// By extension, ignoring case: .gif, .jpeg/.jpg, .bmp; anything else fftUndefined.
TgxFileType GetFileType(const String& FileName);
// Brings the form a control sits on to the top.
void BringParentWindowToTop(TControl* Control);
// The last child of Parent of class T whose bounds contain P; null when none.
template <class T> T* FindControlAtPt(TWinControl* Parent, TPoint P) {
    for (Integer i = Parent ? Parent->ControlCount() - 1 : -1; i >= 0; --i)
        if (auto* c = dynamic_cast<T*>(Parent->Controls(i)); c && PtInRect(c->BoundsRect(), P)) return c;
    return nullptr;
}
// 1-based position of Sub within the first Len characters of S; 0 when not found
// or when either is empty.
Integer StrPosExt(const String& S, const String& Sub, Integer Len);
// A copy of Font turned by Angle tenths of a degree; the caller owns it.
std::unique_ptr<TFont> CreateRotatedFont(const TFont* Font, Integer Angle);

// Text in Rect: left, right or centred through DrawText (tabs expanded, words
// broken when WordWrap), or justified between the rectangle's edges.
void DrawTextExtAligned(TCanvas* Canvas, const String& Text, const TRect& Rect, TgxTextAlign Alignment,
                        bool WordWrap);
