#pragma once
// Messages of the expression parser and the report's value look-up (English, as the
// engine's messages are).

inline constexpr const char* SExprMissingOperand = "Missing operand in expression";
inline constexpr const char* SExprMissingParen = "Missing \")\" in expression";
inline constexpr const char* SExprTooManyArguments = "More than three arguments in a function call";
inline constexpr const char* SExprTooDeep = "Expression nested too deeply";
inline constexpr const char* SExprTextTooLong = "Text too long in expression";
// Followed by the name in double quotation marks.
inline constexpr const char* SUndefinedSymbol = "Undefined symbol ";
