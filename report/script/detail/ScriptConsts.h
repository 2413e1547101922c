#pragma once
// Messages of the report script compiler and interpreter (Russian, as the engine's
// script messages have always been).

inline constexpr const char* SScriptNeedSemicolonOrEnd = "Здесь требуется \";\" или \"end\"";
inline constexpr const char* SScriptNeedThen = "Здесь требуется \"then\"";
inline constexpr const char* SScriptNeedSemicolonOrUntil = "Здесь требуется \";\" или \"until\"";
inline constexpr const char* SScriptNeedDo = "Здесь требуется \"do\"";
inline constexpr const char* SScriptGotoLabelNumber = "Метка в goto должна быть числом";
inline constexpr const char* SScriptNeedAssign = "Здесь требуется \":=\"";
inline constexpr const char* SScriptNeedRightParen = "Здесь требуется \")\"";
inline constexpr const char* SScriptNeedRightBracket = "Здесь требуется \"]\"";
inline constexpr const char* SScriptNeedCommaOrParen = "Здесь требуется \",\" или \")\"";
// Limits and checks of this build.
inline constexpr const char* SScriptNeedQuote = "Здесь требуется \"'\"";
inline constexpr const char* SScriptTooLong = "Слишком длинный скрипт";
inline constexpr const char* SScriptTooManyLabels = "Слишком много меток";
inline constexpr const char* SScriptLabelTooLong = "Слишком длинная метка";
inline constexpr const char* SScriptUnknownLabel = "Метка не найдена";
inline constexpr const char* SScriptTooManySteps = "Скрипт выполняется слишком долго";
// Prefix of every compile error line: "Строка <line>/<column>: <message>".
inline constexpr const char* SScriptErrorLine = "Строка ";
