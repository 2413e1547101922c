#pragma once
// The process-wide services of the UTL components: the timer pool, the
// previous-instance flag, the log file, an exception hook, a stopwatch and the
// checkerboard brush bitmap. One object, reached through UtlApplication; it must
// outlive every form and component that registered a timer.
#include "controls/services/TUtlTimerPool.h"
#include "controls/common/UtlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/core/TSet.h"
#include "platform/graphics/TColor.h"

#include <array>
#include <iosfwd>
#include <memory>

class TBitmap;
class TInstanceListener;
class TNamedMutex;
class TUtlIniCtrl;

enum TUtlApplicationOption {
    aoAutoRealizePalette,
    aoMouseCtrlActive,
    aoLogAlwaysClear,
    aoLogException,
    aoLogHeader,
    aoLogNr,
    aoLogTime,
    aoLogDate
};
using TUtlApplicationOptions = TSet<TUtlApplicationOption>;
enum TUtlLogAction { laNone, laClearLog, laBackupLog };
enum TUtlExitCode { ecQuit, ecReboot, ecRestart };
enum TUtlEditMode { emInsert, emShift, emCtrl, emAlt, emCaps, emNum, emScroll };
using TUtlEditModes = TSet<TUtlEditMode>;

using TUtlMaxLogSizeEvent = std::function<void(TObject* Sender, const String& LogName, bool& Cancel)>;
using TUtlOnHeaderWrite = std::function<void(TObject* Sender, std::ostream& Target)>;
using TUtlExceptionEvent = std::function<void(TObject* Sender, const Exception& E, bool& Cancel)>;

// The cursor index of the UTL components' wait cursor (shown as the hourglass).
constexpr Integer crUtlWait = -255;

// First and last application timer identifiers (0xFD01..0xFDFA).
constexpr Word UtlFirstTimerIdent = 0xFD01;
constexpr Integer UtlTimerSlots = 250;

class TUtlApplication : public TComponent {
public:
    explicit TUtlApplication(TComponent* AOwner);
    // InstanceName names the lock that tells copies of the program apart (the
    // executable's file name above). The first holder listens on the lock's
    // side channel and brings its main form forward when a later copy asks.
    TUtlApplication(TComponent* AOwner, const String& InstanceName);
    ~TUtlApplication() override;
    String ClassName() const override { return "TUtlApplication"; }

    // ---- Timers: identifiers 64769..65018; 0 means none was registered -------------
    // Registers a timer in the pool; 0 when all identifiers are in use. The pool's
    // exceptions pass through and leave no identifier taken.
    Word AddTimer(Word Interval, TNotifyEvent Handler);
    Word AddTimerExt(Word Interval, Integer CallCount, bool Enabled, TNotifyEvent Handler);
    // Identifiers at or below 64768 are ignored.
    void RemoveTimer(Word Ident);
    TUtlTimerItem* GetTimer(Word Ident) const { return FTimerPool->GetTimer(Ident); }
    // Lowest free slot 1..250, 0 when none.
    Word GetTimerIdent() const;
    TUtlTimerPool* TimerPool() const { return FTimerPool.get(); }

    // Counts per second of the high-resolution clock.
    double GetTimerFrequency() const { return double(FPerformanceFrequency); }
    void STWStart();
    // Milliseconds since STWStart; 0 when the stopwatch is not running.
    Cardinal STWStop();

    // 8 × 8, pixels with x + y odd in Color, the others white; cached per colour.
    TBitmap* GetBrushBitmap(TColor Color);
    // A copy of the black checkerboard, made on first use.
    TBitmap* GetBitmap();

    TUtlEditModes EditMode() const { return FEditMode; }
    void SetEditMode(TUtlEditModes Value);
    TNotifyEvent OnEditModeChange;

    // ---- Log file ---------------------------------------------------------------
    const String& LogName() const { return FLogName; }
    // Blank: the executable's name with ".LOG"; a name without extension gets ".LOG".
    // Unless LogPrefix is ppFixed the file lies in the prefix's folder.
    void SetLogName(const String& Value);
    TUtlPathPrefix LogPrefix() const { return FLogPrefix; }
    void SetLogPrefix(TUtlPathPrefix Value);
    // Writes an entry ("#CR" an empty line, "#Header" the header, "#Line" 80
    // asterisks). A log that cannot be opened drops the entry; a failed write
    // raises EInOutError "Cannot write log file <name>". With laBackupLog an
    // oversized log moves to the first ".lN" name that nothing has; one that
    // cannot be moved is appended to, so its entries are never lost.
    void LogWrite(const String& Msg);
    // Logs the exception being handled (nothing outside a handler).
    void LogException(TObject* Sender);
    // OnException, then (unless cancelled) the log and the application's message.
    void HandleException(TObject* Sender, const Exception& E);

    // Ends the desktop session through its service (platform SessionService):
    // ecQuit powers off, ecReboot reboots, ecRestart logs the user off. When
    // the service takes the request the application is told to terminate;
    // where it is refused, false and nothing else happens.
    bool QuitWindows(TUtlExitCode ExitCode);
    // "Software\" + Company\ + title\ + Version\ (blank parts left out).
    String GetDefaultRegPath() const;

    bool PrevInstance() const { return FPrevInstance; }
    const String& InstanceName() const { return FInstanceName; }
    // The settings store for global settings.
    TUtlIniCtrl* IniCtrl() const { return FIniCtrl.get(); }
    Byte ExplodeDelay() const { return FExplodeDelay; }

    String LogFormat = "#tdl";
    String Company;
    String Version;
    TUtlApplicationOptions Options{aoMouseCtrlActive, aoLogAlwaysClear, aoLogHeader, aoLogNr};
    Integer MaxLogSize = -1;
    TUtlLogAction LogAction = laNone;
    TUtlMaxLogSizeEvent OnMaxLogSize;
    TUtlOnHeaderWrite OnHeaderWrite;
    TUtlExceptionEvent OnException;

private:
    void WriteLogHeader(std::ostream& Out);
    String BackupLogName() const;

    std::unique_ptr<TUtlIniCtrl> FIniCtrl;
    String FInstanceName;
    std::unique_ptr<TNamedMutex> FMutex;
    std::unique_ptr<TInstanceListener> FListener;
    std::unique_ptr<TUtlTimerPool> FTimerPool;
    std::array<bool, UtlTimerSlots> FTimerSlots{};
    TUtlEditModes FEditMode{emInsert};
    Byte FExplodeDelay = 3;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TBitmap> FBrushBitmap;
    TColor FBrushColor = 0x1FFFFFFF;
    TUtlPathPrefix FLogPrefix = ppProgram;
    String FLogName;
    bool FLogStarted = false;
    Integer FEntryCounter = 0;
    Cardinal FStopwatchStart = 0;
    Cardinal FStopwatchStop = 0;
    bool FStopwatchRunning = false;
    Int64 FPerformanceFrequency = 0;
    bool FPrevInstance = false;
};

// The services object; null before UtlInitialization and after UtlFinalization.
extern TUtlApplication* UtlApplication;
// Creates the services object and the global item container unless they
// exist. Call before any form is created.
void UtlInitialization();
// Frees both. Call after the application has destroyed every form and component.
void UtlFinalization();

// The global item container's start and end, which the two above call. The item
// containers define them (controls/lists), on a layer above the services, so
// the services start the container without including them.
void UtlContainerInitialization();
void UtlContainerFinalization();
