#pragma once
// The report template written as an XML document (".rp3"): one TrpxReport
// element with the script text, one TrpxReportPage element per template page
// and one element per object with its properties as attributes. Writing only;
// the report component reaches it through SaveToRP3File. The document is
// UTF-8, as its declaration says, with CR LF line ends.
#include "platform/core/Types.h"

class TStream;
class TrpReport;
class TrpView;

// Line feed, carriage return, double quote, "<", ">" and "&" become "&#<code>;".
String StrToXML(const String& S);
// The stream's bytes from position 0 to the end as upper-case hex pairs.
String rpStreamToString(TStream* Stream);
// The start of the object's element with its attributes, without the closing
// "/>"; empty for bands that have no element (cross bands, btNone).
String rpViewToRP3(TrpReport* Report, TrpView* View);
// The whole document. Stream write errors propagate.
void SaveToRP3Stream(TrpReport* Report, TStream* Stream);
