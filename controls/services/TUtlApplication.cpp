#include "controls/services/TUtlApplication.h"

#include "controls/services/TUtlIniCtrl.h"
#include "controls/common/UtlStrings.h"
#include "platform/core/FileUtils.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "controls/services/UtlWindows.h"
#include "platform/os/InstanceChannel.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/SessionControl.h"
#include "platform/os/TNamedMutex.h"
#include "platform/os/TickCount.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

#include <chrono>

TUtlApplication* UtlApplication = nullptr;

void UtlInitialization() {
    if (!UtlApplication) UtlApplication = new TUtlApplication(nullptr);
    UtlContainerInitialization();
}

void UtlFinalization() {
    UtlContainerFinalization();
    delete UtlApplication;
}

TUtlApplication::TUtlApplication(TComponent* AOwner)
    : TUtlApplication(AOwner, ExtractFileName(ParamStr(0)).empty() ? String("velmora")
                                                                   : ExtractFileName(ParamStr(0))) {}

TUtlApplication::TUtlApplication(TComponent* AOwner, const String& InstanceName)
    : TComponent(AOwner), FInstanceName(InstanceName) {
    FIniCtrl = std::make_unique<TUtlIniCtrl>(nullptr);
    if (!ComponentState().Contains(csDesigning)) {
        try {
            FMutex = std::make_unique<TNamedMutex>(FInstanceName);
            FPrevInstance = FMutex->AlreadyExists();
            if (!FPrevInstance)
                FListener = std::make_unique<TInstanceListener>(FInstanceName,
                                                                [] { return utl::ActivateMainForm(); });
        } catch (const EOSError&) {
            // Without its lock file the program still runs; it just cannot tell
            // whether another copy does.
            FMutex.reset();
        }
    }
    FTimerPool = std::make_unique<TUtlTimerPool>(nullptr, TUtlTimerInterval(50));
    SetLogName(String());
    using Clock = std::chrono::steady_clock;
    FPerformanceFrequency = Int64(Clock::period::den / Clock::period::num);
    if (Screen) Screen->SetCursors(crUtlWait, crHourGlass);
}

TUtlApplication::~TUtlApplication() {
    FIniCtrl.reset();
    FTimerPool.reset();
    FListener.reset();
    FMutex.reset();
    if (UtlApplication == this) UtlApplication = nullptr;
}

Word TUtlApplication::GetTimerIdent() const {
    for (Integer n = 1; n <= UtlTimerSlots; ++n)
        if (!FTimerSlots[std::size_t(n - 1)]) return Word(n);
    return 0;
}

Word TUtlApplication::AddTimer(Word Interval, TNotifyEvent Handler) {
    const Word slot = GetTimerIdent();
    if (slot == 0) return 0;
    const Word ident = Word(0xFD00 + slot);
    if (FTimerPool->AddTimer(ident, Interval, std::move(Handler)) < 0) return 0;
    FTimerSlots[std::size_t(slot - 1)] = true;
    return ident;
}

Word TUtlApplication::AddTimerExt(Word Interval, Integer CallCount, bool Enabled, TNotifyEvent Handler) {
    const Word slot = GetTimerIdent();
    if (slot == 0) return 0;
    const Word ident = Word(0xFD00 + slot);
    if (FTimerPool->AddTimerExt(ident, Interval, CallCount, Enabled, std::move(Handler)) < 0) return 0;
    FTimerSlots[std::size_t(slot - 1)] = true;
    return ident;
}

void TUtlApplication::RemoveTimer(Word Ident) {
    if (Ident <= 0xFD00 || Ident > 0xFD00 + UtlTimerSlots) return;
    FTimerPool->RemoveTimer(Ident);
    FTimerSlots[std::size_t(Ident - 0xFD00 - 1)] = false;
}

void TUtlApplication::STWStart() {
    if (FStopwatchRunning) STWStop();
    FStopwatchStart = GetTickCount();
    FStopwatchStop = 0;
    FStopwatchRunning = true;
}

Cardinal TUtlApplication::STWStop() {
    if (!FStopwatchRunning) return 0;
    FStopwatchStop = GetTickCount();
    FStopwatchRunning = false;
    return FStopwatchStop - FStopwatchStart;
}

TBitmap* TUtlApplication::GetBrushBitmap(TColor Color) {
    if (FBrushBitmap && Color == FBrushColor) return FBrushBitmap.get();
    if (!FBrushBitmap) {
        FBrushBitmap = std::make_unique<TBitmap>(8, 8, pf24bit);
        TCanvas* canvas = FBrushBitmap->Canvas();
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(Rect(0, 0, 8, 8));
    }
    TCanvas* canvas = FBrushBitmap->Canvas();
    for (Integer y = 0; y < 8; ++y)
        for (Integer x = 0; x < 8; ++x)
            if ((x + y) % 2 == 1) canvas->SetPixels(x, y, Color);
    FBrushColor = Color;
    return FBrushBitmap.get();
}

TBitmap* TUtlApplication::GetBitmap() {
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(GetBrushBitmap(clBlack));
    }
    return FBitmap.get();
}

void TUtlApplication::SetEditMode(TUtlEditModes Value) {
    if (Value == FEditMode) return;
    FEditMode = Value;
    if (OnEditModeChange) OnEditModeChange(this);
}

bool TUtlApplication::QuitWindows(TUtlExitCode ExitCode) {
    const TSessionEnd how = ExitCode == ecQuit     ? TSessionEnd::PowerOff
                            : ExitCode == ecReboot ? TSessionEnd::Reboot
                                                   : TSessionEnd::LogOff;
    if (!SessionService().End(how)) return false;
    if (Application) Application->Terminate();
    return true;
}
