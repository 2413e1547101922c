#pragma once
// Report templates as reviewable text: one line per statement, read into a
// report's template pages, values and variables, which the engine's stream
// writer then stores. Used by the build-time template compiler.
//
//   # a comment; blank lines are skipped
//   report [doublepass] [printtodefault]
//   page [margins=L,T,R,B]          one A4 portrait page in page pixels (752 x 1071)
//   variables CATEGORY NAME...       the category line and its variables, each
//                                    also stored as an unbound value of that name
//   band TYPE TOP HEIGHT [source=NAME] [stretched] [printifempty] [split]
//        [newpage] [firstpage] [lastpage] [reprint]
//   memo LEFT TOP WIDTH HEIGHT [options] | text
//   line LEFT TOP WIDTH HEIGHT [options]
//   rich LEFT TOP WIDTH HEIGHT file=NAME [frame options]   RTF read through ReadFile
//
// TYPE is a band type without its "bt" prefix (MasterData, PageFooter, ...). A data
// band without source= below one with a source prints with each of its records, on the
// same page: a line of boxes that grows on its own is a band of its own.
// The TOP of a memo or a line counts from the TOP of the band above it. Memo
// text runs from the first "|" to the end of the line; "\n" breaks it into
// lines. Options: font="Face Name", size=POINTS, bold, italic, underline,
// color=COLOUR, align=left|right|center|justify, valign=top|center|bottom,
// format=thousands (whole numbers in groups of three), fixed (no stretching), nowrap, frame=SIDES (any of l,
// t, r, b), framewidth=N, framecolor=COLOUR, fill=COLOUR. A COLOUR is decimal or $RRGGBB.
#include "platform/core/Types.h"

#include <functional>

class TrpReport;

namespace report {

// The bytes of a file a description names; raises when it cannot read it.
using TemplateFileReader = std::function<std::string(const String& Name)>;

// Replaces Report's pages, values and variables by the description Text.
// Raises EConvertError "Line N: <what is wrong>" on the first line it cannot
// read (also when ReadFile raises, with its message); the report is then left
// with whatever was read before that line.
void ReadTemplateText(TrpReport& Report, const String& Text, const TemplateFileReader& ReadFile = {});

} // namespace report
