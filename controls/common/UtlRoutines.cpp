#include "controls/common/UtlRoutines.h"

#include "controls/common/UtlStrings.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/SystemInfo.h"
#include "platform/os/TickCount.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TRect UtlExpandRect(const TRect& R, Integer N) {
    return TRect(R.Left - N, R.Top - N, R.Right + N, R.Bottom + N);
}

void UtlAdjustRect(TRect& R, Integer DX, Integer DY) {
    R.Right += DX;
    R.Bottom += DY;
}

void UtlAdjustRectExt(TRect& R, Integer DL, Integer DT, Integer DR, Integer DB) {
    R.Left += DL;
    R.Top += DT;
    R.Right += DR;
    R.Bottom += DB;
}

TRect UtlAffineRect(const TRect& Src, const TRect& Dst) {
    const Integer sw = Src.Width(), sh = Src.Height();
    const Integer dw = Dst.Width(), dh = Dst.Height();
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return TRect(Dst.Left, Dst.Top, Dst.Left, Dst.Top);
    const double k = std::min(double(dw) / sw, double(dh) / sh);
    return Bounds(Dst.Left, Dst.Top, Integer(std::lround(sw * k)), Integer(std::lround(sh * k)));
}

void UtlGetRectWH(const TRect& R, Integer& W, Integer& H) {
    W = R.Width();
    H = R.Height();
}

bool UtlRectinRect(const TRect& A, const TRect& B) {
    auto inside = [&B](Integer x, Integer y) {
        return x >= B.Left && x <= B.Right && y >= B.Top && y <= B.Bottom;
    };
    return inside(A.Left, A.Top) && inside(A.Right, A.Bottom);
}

void UtlCalcRotRect(TRect& R, double Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const double w = R.Width(), h = R.Height();
    const double c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
    R = TRect(0, 0, Integer(std::lround(w * c + h * s)), Integer(std::lround(w * s + h * c)));
}

Integer UtlRotatedXPos(const TRect& R, Integer TextWidth, Integer TextHeight, double Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const double centre = (R.Left + R.Right) / 2.0;
    return Integer(std::lround(centre - (TextWidth * std::cos(a) + TextHeight * std::sin(a)) / 2.0));
}

Integer UtlRotatedYPos(const TRect& R, Integer TextWidth, Integer TextHeight, double Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const double centre = (R.Top + R.Bottom) / 2.0;
    return Integer(std::lround(centre - (TextHeight * std::cos(a) - TextWidth * std::sin(a)) / 2.0));
}

void UtlMidpoint(const std::vector<TPoint>& Points, Integer Count, TPoint& P) {
    const Integer n = std::min<Integer>(Count, Integer(Points.size()));
    P = TPoint();
    if (n <= 0) return;
    Int64 sx = 0, sy = 0;
    for (Integer i = 0; i < n; ++i) {
        sx += Points[std::size_t(i)].X;
        sy += Points[std::size_t(i)].Y;
    }
    P = TPoint(Integer(sx / n), Integer(sy / n));
}

void UtlOffsetPoints(std::vector<TPoint>& Points, Integer DX, Integer DY) {
    for (TPoint& p : Points) {
        p.X += DX;
        p.Y += DY;
    }
}

void UtlNullPoints(std::vector<TPoint>& Points) {
    std::fill(Points.begin(), Points.end(), TPoint());
}

Integer UtlMax(const std::vector<Integer>& Values) {
    return Values.empty() ? 0 : *std::max_element(Values.begin(), Values.end());
}

Integer UtlMin(const std::vector<Integer>& Values) {
    return Values.empty() ? 0 : *std::min_element(Values.begin(), Values.end());
}

double UtlMaxR(const std::vector<double>& Values) {
    return Values.empty() ? 0.0 : *std::max_element(Values.begin(), Values.end());
}

double UtlMinR(const std::vector<double>& Values) {
    return Values.empty() ? 0.0 : *std::min_element(Values.begin(), Values.end());
}

Integer UtlMidI(Integer A, Integer B) {
    return Integer((Int64(A) + B) / 2);
}

void UtlSwapInt(Integer& A, Integer& B) {
    std::swap(A, B);
}
void UtlSwapString(String& A, String& B) {
    std::swap(A, B);
}

void UtlSetBit(Cardinal& B, Integer N, bool Value) {
    if (N < 0 || N > 31) return;
    if (Value)
        B |= Cardinal(1) << N;
    else
        B &= ~(Cardinal(1) << N);
}

void UtlSetBitUpTo(Cardinal& B, Integer N) {
    for (Integer i = 0; i <= N && i <= 31; ++i)
        B |= Cardinal(1) << i;
}

bool UtlGetBit(Cardinal B, Integer N) {
    return N >= 0 && N <= 31 && ((B >> N) & 1u) != 0;
}

Integer UtlExp(Integer Base, Integer N) {
    // Unsigned arithmetic wraps where the signed one would be undefined, and
    // gives the same low 32 bits; squaring keeps a large N quick.
    Cardinal result = 1;
    Cardinal factor = Cardinal(Base);
    for (Cardinal n = N > 0 ? Cardinal(N) : 0; n != 0; n >>= 1) {
        if (n & 1u) result *= factor;
        factor *= factor;
    }
    return Integer(result);
}

String UtlAppPath() {
    return ExtractFilePath(ParamStr(0));
}

String UtlAppIniName() {
    return "SOFTWARE\\" + UtlExtractFileName(ParamStr(0));
}

String UtlExtractFileName(const String& S) {
    return ChangeFileExt(ExtractFileName(S), "");
}

String UtlSystemDirectory() {
    return GetSystemDirectory();
}

String UtlWindowsDirectory() {
    return GetWindowsDirectory();
}

String UtlCreatePathPrefix(TUtlPathPrefix Prefix, bool AddSlash) {
    String path;
    switch (Prefix) {
    case ppWindows:
        path = UtlWindowsDirectory();
        break;
    case ppSystem:
        path = UtlSystemDirectory();
        break;
    case ppProgram:
        path = UtlAppPath();
        break;
    case ppFixed:
        return String();
    }
    return AddSlash ? UtlSlashAdd(path) : UtlSlashRemove(path);
}

String UtlShrunkFileName(const String& S, Integer MaxLen) {
    // Stored paths use "\", paths of this system "/": shorten with the one S uses.
    const char delim = S.find('\\') != String::npos ? '\\' : '/';
    const String dots = String("...") + delim;
    String drive;
    String rest = S;
    if (Length(S) >= 2 && CharAt(S, 2) == ":") {
        drive = Copy(S, 1, 2);
        rest = Copy(S, 3);
    }
    const std::size_t last = rest.rfind(delim);
    String folder = last == String::npos ? String() : rest.substr(0, last + 1);
    const String name = last == String::npos ? rest : rest.substr(last + 1);

    while (Length(drive + folder + name) > MaxLen && (!folder.empty() || !drive.empty())) {
        const String before = drive + folder;
        if (folder == delim + dots) {
            drive.clear();
            folder = dots;
        } else if (!folder.empty()) {
            const bool leading = folder.front() == delim;
            String f = leading ? folder.substr(1) : folder;
            if (!f.empty() && f.front() == '.') f = Copy(f, 5);
            const std::size_t next = f.find(delim);
            f = next == String::npos ? String() : dots + f.substr(next + 1);
            folder = leading ? delim + f : f;
        } else {
            drive.clear();
        }
        // A root folder ("\") would come back unchanged and loop for ever.
        if (drive + folder == before) {
            if (!folder.empty())
                folder.clear();
            else
                drive.clear();
        }
    }
    return drive + folder + name;
}

void UtlDelay(Cardinal MS) {
    const Int64 end = GetTickCount64() + MS;
    for (Int64 now = GetTickCount64(); now < end; now = GetTickCount64())
        Sleep(Cardinal(end - now));
}
