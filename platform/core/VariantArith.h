#pragma once
// Arithmetic on Variant values with the runtime's rules, for code that computes with
// values of unknown kind (report expressions).
//  - Null on either side gives Null (negation and the arithmetic operators alike).
//  - Two texts under VarAdd concatenate; Empty beside a text counts as an empty text.
//  - Otherwise both sides become numbers: Empty is 0, a Boolean -1 or 0, text is read as a
//    number and raises EVariantError "Invalid variant type conversion" when it is none.
//  - Two integral sides compute in 64-bit integers (a 32-bit result stays varInteger) and
//    fall back to floating point on overflow; anything else computes in floating point.
//  - A date plus or minus a number stays a date.
#include "platform/core/Variant.h"

Variant VarAdd(const Variant& a, const Variant& b);
Variant VarSub(const Variant& a, const Variant& b);
Variant VarMul(const Variant& a, const Variant& b);
// Always floating point; raises EZeroDivide "Floating point division by zero" for a zero
// divisor.
Variant VarDiv(const Variant& a, const Variant& b);
// Both sides rounded to integers; raises EZeroDivide "Division by zero" for a zero divisor.
Variant VarMod(const Variant& a, const Variant& b);
Variant VarNeg(const Variant& a);
