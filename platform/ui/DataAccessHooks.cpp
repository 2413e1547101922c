#include "platform/ui/DataAccessHooks.h"

#include "platform/core/ExceptionHook.h"
#include "platform/data/DBScreen.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

namespace ui {

namespace {

// The screen cursor in the data layer's terms; a cursor it has no name for is
// "other", and setting "other" puts back the last such cursor it reported.
class ScreenCursorBridge : public TCustomDBScreen {
public:
    TDBScreenCursor Cursor() const override {
        switch (Screen->Cursor()) {
        case crDefault:
            return dcrDefault;
        case crHourGlass:
            return dcrHourGlass;
        case crSQLWait:
            return dcrSQLWait;
        default:
            FOther = Screen->Cursor();
            return dcrOther;
        }
    }
    void SetCursor(TDBScreenCursor Value) override {
        switch (Value) {
        case dcrDefault:
            Screen->SetCursor(crDefault);
            break;
        case dcrHourGlass:
            Screen->SetCursor(crHourGlass);
            break;
        case dcrSQLWait:
            Screen->SetCursor(crSQLWait);
            break;
        case dcrOther:
            Screen->SetCursor(FOther);
            break;
        }
    }

private:
    mutable TCursor FOther = crDefault;
};

} // namespace

void InstallDataAccessHooks() {
    static ScreenCursorBridge bridge;
    DBScreen = &bridge;
    ApplicationHandleException = [](TObject* Sender, const Exception& E) {
        Application->HandleException(Sender, E);
    };
}

} // namespace ui
