#pragma once
// A small calculator for arithmetic expressions: + - * /, parentheses, unary
// minus and decimal numbers with "." or ","; every other character is skipped.
#include "platform/core/Types.h"

// The value of S. Raises Exception with "Expression string is empty.",
// "Duplicate signs. Pos:<n>" (an operator after "+"), "Duplicate signs at. Pos:<n>"
// (after "-"), "Right brakets not found", "Right braket havn't a left one. Pos:<n>",
// "Divide by 0", or "Brackets nested too deeply. Pos:<n>" (a bracket opened inside
// 256 open ones); n is the zero-based index of the offending character.
float CalcMathString(const String& S);
