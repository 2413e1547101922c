#include "platform/ui/TApplication.h"

#include "platform/ui/MessageDialogs.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TCustomForm.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
    // The forms go while the application and the screen are still whole.
    DestroyComponents();
}

void TApplication::Initialize() {
    ui::EnsureWidgetApplication();
}

void TApplication::FormCreated(TCustomForm* Form) {
    Form->AfterConstruction();
    if (!FMainForm) FMainForm = Form;
}

void TApplication::FormDestroyed(TCustomForm* Form) {
    if (FMainForm == Form) FMainForm = nullptr;
}

void TApplication::Run() {
    ui::EnsureWidgetApplication();
    // A quit asked for during start-up ends the program without showing it.
    if (FTerminated) return;
    if (FMainForm && FShowMainForm) FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Shutdown() {
    DestroyComponents();
    FMainForm = nullptr;
    ui::ShutdownWidgetApplication();
}

void TApplication::Terminate() {
    FTerminated = true;
    if (auto* d = QAbstractEventDispatcher::instance()) d->wakeUp();
}

void TApplication::ProcessMessages() {
    ui::EnsureWidgetApplication();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage() {
    ui::EnsureWidgetApplication();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::HandleException(TObject* Sender, const Exception& E) {
    if (dynamic_cast<const EAbort*>(&E)) return;
    if (OnException)
        OnException(Sender, E);
    else
        ShowException(E);
}

void TApplication::ShowException(const Exception& E) {
    String msg = E.Message();
    // A full stop is added unless the text ends in '.' or a mark below it in the code table.
    if (!msg.empty() && static_cast<unsigned char>(msg.back()) > '.') msg += '.';
    MessageBox(msg, FTitle, MB_OK | MB_ICONSTOP);
}

Integer TApplication::MessageBox(const String& Text, const String& Caption, Cardinal Flags) {
    return ::MessageBox(nullptr, Text, Caption, Flags);
}

void TApplication::SetHint(const String& v) {
    if (v == FHint) return;
    FHint = v;
    if (OnHint) OnHint(this);
}

void TApplication::SetHintFrom(TControl* Control) {
    SetHint(Control ? GetLongHint(Control->Hint()) : String());
}
