#include "sqlite/TSqlite3Log.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"

#include <fstream>

void TSqlite3Log::Display(const String& Msg) {
    const String path = NormalizePath(FLogFile);
    const bool append = FAppend && FileExists(path);
    std::ofstream out(path, append ? std::ios::binary | std::ios::app : std::ios::binary | std::ios::trunc);
    if (!out) throw EInOutError(Format(SFCreateError, {FLogFile}));
    out << FormatDateTime("yyyy mmm dd (hh:nn:ss) ", Now()) << Msg << "\n";
    out.close();
    if (!out) throw EInOutError(Format(SInOutError, {Integer(5)}));
}
