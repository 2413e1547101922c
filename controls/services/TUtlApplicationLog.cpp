// The log file, the exception hook and the default registry path of the services object.
#include "controls/services/TUtlApplication.h"

#include "controls/common/UtlStrings.h"
#include "platform/core/DateTime.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/os/ProgramPaths.h"
#include "platform/ui/TApplication.h"

#include <exception>
#include <fstream>

namespace {

const String Stars(80, '*');

String ApplicationTitle() {
    return Application ? Application->Title() : String();
}

} // namespace

void TUtlApplication::SetLogName(const String& Value) {
    String name = Value;
    if (UtlEmpty(Value))
        name = ChangeFileExt(ParamStr(0), ".LOG");
    else if (ExtractFileExt(Value).empty())
        name += ".LOG";
    FLogName = FLogPrefix == ppFixed ? name : UtlCreatePathPrefix(FLogPrefix, true) + ExtractFileName(name);
}

void TUtlApplication::SetLogPrefix(TUtlPathPrefix Value) {
    if (Value == FLogPrefix) return;
    FLogPrefix = Value;
    SetLogName(FLogName);
}

String TUtlApplication::BackupLogName() const {
    for (Integer n = 0;; ++n) {
        const String candidate = ChangeFileExt(FLogName, ".l" + IntToStr(n));
        if (!FileNameTaken(candidate)) return candidate;
    }
}

void TUtlApplication::WriteLogHeader(std::ostream& Out) {
    Out << "\n";
    Out << "LogFile started: " << DateToStr(Date()) << " " << TimeToStr(Time()) << "\n";
    Out << "Application    : " << ApplicationTitle() << "\n";
    Out << "Path/ExeName   : " << ParamStr(0) << "\n";
    if (!UtlEmpty(Version)) Out << "Version        : " << Version << "\n";
    if (OnHeaderWrite) OnHeaderWrite(this, Out);
    Out << Stars << "\n\nEntries:\n";
}

void TUtlApplication::LogWrite(const String& Msg) {
    const String path = NormalizePath(FLogName);
    bool rewrite = false;
    // A log that could not be backed up keeps its entries: it is appended to.
    bool keep = false;
    if (MaxLogSize > 100 && FileSize(path) > MaxLogSize) {
        bool cancel = false;
        if (OnMaxLogSize) OnMaxLogSize(this, FLogName, cancel);
        if (cancel) return;
        if (LogAction == laClearLog) {
            rewrite = true;
        } else if (LogAction == laBackupLog) {
            rewrite = RenameFile(path, NormalizePath(BackupLogName()));
            keep = !rewrite;
            if (Application) Application->ProcessMessages();
        }
    }

    const bool exists = FileExists(path);
    const bool truncate =
        exists && !keep && ((Options.Contains(aoLogAlwaysClear) && !FLogStarted) || rewrite);
    std::ofstream out(path,
                      truncate || !exists ? std::ios::out | std::ios::trunc : std::ios::out | std::ios::app);
    if (!out) return;

    if (rewrite || (!FLogStarted && Options.Contains(aoLogHeader))) WriteLogHeader(out);
    if (Msg == "#CR") {
        out << "\n";
    } else if (Msg == "#Header") {
        WriteLogHeader(out);
    } else if (Msg == "#Line") {
        out << Stars << "\n";
    } else {
        ++FEntryCounter;
        String line;
        for (char c : LogFormat) {
            if (c == '#' && Options.Contains(aoLogNr))
                line += Format("%.5d", {FEntryCounter}) + ": ";
            else if (c == 'd' && Options.Contains(aoLogDate))
                line += " [" + DateToStr(Date()) + "]";
            else if (c == 't' && Options.Contains(aoLogTime))
                line += " [" + TimeToStr(Time()) + "]";
            else if (c == 'l')
                line += Msg;
        }
        out << line << "\n";
    }
    out.close();
    if (out.fail()) throw EInOutError("Cannot write log file " + FLogName);
    FLogStarted = true;
}

void TUtlApplication::LogException(TObject* Sender) {
    const std::exception_ptr current = std::current_exception();
    if (!current) return;
    String text;
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        text = Format("%s, Address: %p", {String(e.what()), static_cast<const void*>(&e)});
    } catch (...) {
        text = "Unknown exception";
    }
    if (Sender) {
        auto* component = dynamic_cast<TComponent*>(Sender);
        if (component && !component->Name().empty())
            text = Sender->ClassName() + " (Name: " + component->Name() + "): " + text;
        else
            text = Sender->ClassName() + ": " + text;
    }
    LogWrite(text);
}

void TUtlApplication::HandleException(TObject* Sender, const Exception& E) {
    bool cancel = false;
    if (OnException) OnException(Sender, E, cancel);
    if (cancel) return;
    if (Options.Contains(aoLogException)) LogException(Sender);
    if (Application) Application->ShowException(E);
}

String TUtlApplication::GetDefaultRegPath() const {
    String path = "Software\\";
    if (!UtlEmpty(Company)) path += UtlSlashAdd(Company);
    const String title = ApplicationTitle();
    path += UtlSlashAdd(UtlEmpty(title) ? ParamStr(0) : title);
    if (!UtlEmpty(Version)) path += UtlSlashAdd(Version);
    return path;
}
