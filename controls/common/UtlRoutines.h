#pragma once
// General routines of the UTL components: rectangles and points, extremes,
// bit sets, program and system folders, shortened file names and a delay.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <vector>

enum TUtlPathPrefix { ppWindows, ppSystem, ppProgram, ppFixed };

// ---- Rectangles and points ----------------------------------------------------
TRect UtlExpandRect(const TRect& R, Integer N);
void UtlAdjustRect(TRect& R, Integer DX, Integer DY);
void UtlAdjustRectExt(TRect& R, Integer DL, Integer DT, Integer DR, Integer DB);
// The largest rectangle with Src's aspect ratio that fits Dst, at Dst's top-left.
// An empty Src gives Dst's top-left corner with no extent.
TRect UtlAffineRect(const TRect& Src, const TRect& Dst);
void UtlGetRectWH(const TRect& R, Integer& W, Integer& H);
// Both corners of A inside B.
bool UtlRectinRect(const TRect& A, const TRect& B);
// R becomes the bounding box of R rotated by Angle degrees about its centre,
// moved to the origin.
void UtlCalcRotRect(TRect& R, double Angle);
// Start point of a text line TextWidth × TextHeight turned Angle degrees
// counter-clockwise about that point, so that the turned text is centred in R.
Integer UtlRotatedXPos(const TRect& R, Integer TextWidth, Integer TextHeight, double Angle);
Integer UtlRotatedYPos(const TRect& R, Integer TextWidth, Integer TextHeight, double Angle);
// Average of the first Count points (integer division); (0, 0) for no points.
void UtlMidpoint(const std::vector<TPoint>& Points, Integer Count, TPoint& P);
void UtlOffsetPoints(std::vector<TPoint>& Points, Integer DX, Integer DY);
void UtlNullPoints(std::vector<TPoint>& Points);

// ---- Extremes and swaps (empty arrays give 0) ----------------------------------
Integer UtlMax(const std::vector<Integer>& Values);
Integer UtlMin(const std::vector<Integer>& Values);
double UtlMaxR(const std::vector<double>& Values);
double UtlMinR(const std::vector<double>& Values);
// (A + B) / 2 rounded toward zero.
Integer UtlMidI(Integer A, Integer B);
void UtlSwapInt(Integer& A, Integer& B);
void UtlSwapString(String& A, String& B);

// ---- Bit sets (bits 0..31; other N leave B unchanged / read false) ----------------
void UtlSetBit(Cardinal& B, Integer N, bool Value);
// Sets bits 0..N.
void UtlSetBitUpTo(Cardinal& B, Integer N);
bool UtlGetBit(Cardinal B, Integer N);
// Base to the power N for N >= 1, else 1; a power past the integer range
// keeps its low 32 bits.
Integer UtlExp(Integer Base, Integer N);

// ---- Folders and file names --------------------------------------------------
// Folder of the executable with a trailing delimiter.
String UtlAppPath();
// "SOFTWARE\" + the executable's file name without extension.
String UtlAppIniName();
// File name without folder and extension.
String UtlExtractFileName(const String& S);
String UtlSystemDirectory();
String UtlWindowsDirectory();
// The folder a prefix stands for (ppFixed: empty), with or without its trailing delimiter.
String UtlCreatePathPrefix(TUtlPathPrefix Prefix, bool AddSlash);
// S shortened to MaxLen characters where possible by replacing leading folders
// with "...\" and finally dropping the drive; the file name itself stays whole.
String UtlShrunkFileName(const String& S, Integer MaxLen);

// Waits MS milliseconds on the monotonic clock; no messages are processed.
void UtlDelay(Cardinal MS);
