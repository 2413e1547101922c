#pragma once
// Numbers to text and back, with the runtime's formats and messages.
// Every routine that reads locale settings has an overload taking explicit settings;
// the short forms use the process-wide FormatSettings.
#include "platform/core/Types.h"

struct TFormatSettings;

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Rounding: Round is ties-to-even (Round(2.5) == 2, Round(3.5) == 4); Trunc cuts toward zero.
// Both raise EInvalidOp "Invalid floating point operation" when the value is NaN, infinite
// or outside the 64-bit range.
Int64 Round(double value);
Int64 Trunc(double value);
double Frac(double value);
double Int(double value);

String IntToStr(Int64 value);
// Upper-case hexadecimal, at least `digits` digits (negative values as 64-bit two's complement).
String IntToHex(Int64 value, Integer digits);

// Accepts leading blanks, a sign, decimal digits or "$"/"0x" hexadecimal.
// Raises EConvertError "'%s' is not a valid integer value" (and for out-of-range values).
Integer StrToInt(const String& s);
Int64 StrToInt64(const String& s);
Integer StrToIntDef(const String& s, Integer defaultValue);
Int64 StrToInt64Def(const String& s, Int64 defaultValue);
bool TryStrToInt(const String& s, Integer& value);
bool TryStrToInt64(const String& s, Int64& value);

// Text to number using the decimal separator (thousand separators are not accepted).
// Raises EConvertError "'%s' is not a valid floating point value".
double StrToFloat(const String& s);
double StrToFloat(const String& s, const TFormatSettings& settings);
double StrToFloatDef(const String& s, double defaultValue);
double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& settings);
bool TryStrToFloat(const String& s, double& value);
bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings);

// General format with 15 significant digits.
String FloatToStr(double value);
String FloatToStr(double value, const TFormatSettings& settings);
// The shortest text in FloatToStr's layout that StrToFloat reads back as the same double,
// sign of zero included (up to 17 significant digits): FloatToStr's own text wherever that
// reads back so. For stored values; NaN and infinities give FloatToStr's text.
String FloatToStrExact(double value);
String FloatToStrExact(double value, const TFormatSettings& settings);
// precision: significant digits (ffGeneral, ffExponent) ; digits: exponent digits for
// ffGeneral/ffExponent, decimals for ffFixed/ffNumber/ffCurrency.
String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits);
String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits,
                   const TFormatSettings& settings);

// Picture formats: up to three sections "positive;negative;zero"; "0" digit or zero, "#"
// digit or nothing, "." decimal point, "," thousand separators, "E+"/"E-"/"e+"/"e-"
// scientific, text in quotes is literal. An empty format gives FloatToStr's text.
String FormatFloat(const String& format, double value);
String FormatFloat(const String& format, double value, const TFormatSettings& settings);

String CurrToStr(Currency value);
String CurrToStr(Currency value, const TFormatSettings& settings);
String FormatCurr(const String& format, Currency value);
String FormatCurr(const String& format, Currency value, const TFormatSettings& settings);
