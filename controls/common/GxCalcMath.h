#pragma once
// A small calculator for arithmetic expressions: + - * /, parentheses, unary
// minus and decimal numbers with "." or ","; every other character is skipped.
#include "platform/core/Types.h"

// The value of S. Raises Exception with "Expression string is empty.",
// "Duplicate signs. Pos:<n>" (an operator after "+"), "Duplicate signs at. Pos:<n>"
// (after "-"), "Right brakets not found", "Right braket havn't a left one. Pos:<n>"
// or "Divide by 0"; n is the zero-based index of the offending character.
float CalcMathString(const String& S);
