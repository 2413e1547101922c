#pragma once
// A text log file a connection may name. Only LogFile and Append take effect.
#include "platform/core/TComponent.h"

class TSqlite3Log : public TComponent {
public:
    explicit TSqlite3Log(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TSqlite3Log"; }

    const String& LogFile() const { return FLogFile; }
    void SetLogFile(const String& Value) { FLogFile = Value; }
    bool LogDebugOut() const { return FLogDebugOut; }
    void SetLogDebugOut(bool Value) { FLogDebugOut = Value; }
    bool Append() const { return FAppend; }
    void SetAppend(bool Value) { FAppend = Value; }
    bool LogSQL() const { return FLogSQL; }
    void SetLogSQL(bool Value) { FLogSQL = Value; }
    bool LogInternals() const { return FLogInternals; }
    void SetLogInternals(bool Value) { FLogInternals = Value; }

    // Writes one line, "yyyy mmm dd (hh:nn:ss) " and Msg. The file is appended to
    // with Append set, otherwise started anew. Raises EInOutError when the file
    // cannot be written.
    void Display(const String& Msg);

private:
    String FLogFile;
    bool FLogDebugOut = false;
    bool FAppend = false;
    bool FLogSQL = false;
    bool FLogInternals = false;
};
