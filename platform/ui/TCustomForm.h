#pragma once
// A top-level window. Width and Height include the frame and caption of the
// border style (the classic metrics), so the client area is what the forms
// were laid out in; a main menu takes its height from the client area.
// Forms are shown modelessly (Show) or modally (ShowModal, which runs the
// event loop until ModalResult is set or the form is closed).
#include "platform/ui/TWinControl.h"

class QSize;
class TMainMenu;

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    String ClassName() const override { return "TCustomForm"; }

    // Runs OnCreate once; Application->CreateForm calls it after the constructor.
    void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);
    // The caption bar's buttons asked for; ShownBorderIcons says which the
    // border style lets show.
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons v);
    // All by default. Without wcClose the caption bar has no close box and the
    // window system's close is refused (Close from the program still closes);
    // without wcSize the frame keeps the form's size; without wcMove a move by
    // the window system is undone.
    TWindowCommands WindowCommands() const { return FWindowCommands; }
    void SetWindowCommands(TWindowCommands v);
    // Whether the caption bar carries a close box: the border style shows the
    // system menu's buttons and the form takes the close command.
    bool ShowsCloseBox() const;
    // The layer, not the window manager, draws the frame and caption bar. A
    // press on the caption bar reaches the form's mouse events above its
    // client area (Y < 0), so the form can move itself; the close box closes it.
    bool OwnFrame() const { return FOwnFrame; }
    void SetOwnFrame(bool v);
    // Whether showing the form makes it the active one (true). A tool window
    // that must not take the focus from the window beneath sets false.
    bool ActivateOnShow() const { return FActivateOnShow; }
    void SetActivateOnShow(bool v) { FActivateOnShow = v; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition v) { FPosition = v; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle v);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState v);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* v);
    // The control that has (or gets, when the form is shown) the focus; after a
    // close, the one that had it. Every showing starts on the one chosen while the
    // form was hidden, or on the first control in tab order when none was.
    TWinControl* ActiveControl() const { return FActiveControl; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window"
    // when the form is shown and the control cannot take the focus.
    void SetActiveControl(TWinControl* v);
    bool Active() const;
    // SetActiveControl, then the focus to the form. Raises the focus error
    // when the form is hidden or disabled.
    void FocusControl(TWinControl* Control);
    void SetFocus() override;
    // Platform-internal: the user moved the focus to Control.
    void SetFocusedControl(TWinControl* Control) { FActiveControl = Control; }
    // Platform-internal: Control (and what it holds) leaves the form.
    void ControlLeaving(const TWinControl* Control);
    // Platform-internal: Raised was brought to front. A focus it now buries, or none,
    // moves to the first control Tab reaches in it (else in the form), or leaves the
    // controls for the form when none can take it, so keys never act behind what shows.
    void FocusOutOfBuried(TControl* Raised);
    // Platform-internal: Control is being hidden or disabled. A focus inside it goes on as
    // Tab moves it, before the toolkit would move it in its own chain.
    void FocusOutOf(const TControl* Control);
    // Platform-internal: the focus goes from the control that holds it to the next one in tab
    // order that can take it, or to the form when none can. The toolkit's own moves come here
    // too (an arrow key in a check box or a button), so they follow the form's order.
    void PassFocusOn(bool GoForward);

    TRect ClientRect() const override;
    void SetClientWidth(Integer v) override;
    void SetClientHeight(Integer v) override;
    TPoint ClientOrigin() const override;

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v);
    bool Modal() const { return FModal; }

    void SetVisible(bool v) override;
    // Shows the form and makes it the active one.
    void Show();
    void Hide() { SetVisible(false); }
    // Raises EInvalidOperation "Cannot make a visible window modal" when the
    // form is already visible or modal.
    TModalResult ShowModal();
    // A modal form gets mrCancel; otherwise OnCloseQuery and OnClose decide,
    // and closing the main form ends the application.
    void Close();
    virtual bool CloseQuery();
    // Deletes the form once the current event is done.
    void Release();

    // Menu shortcut of the key (the main menu, then the popup menus of the
    // control and its parents); true when an item took it.
    bool IsShortCut(Word Key, TShiftState Shift, TControl* Control);
    // Tab, Enter or Escape pressed in Control: Tab moves the focus; Enter and Escape are
    // offered to each control's DialogKey (the default and cancel buttons take them).
    bool OfferDialogKey(Word Key, TShiftState Shift, TWinControl* Control);
    // Alt and a letter: the control (a label) that has it as its accelerator.
    bool DialogChar(Word Key) override;

    // Called as the form becomes and stops being the application's active form.
    virtual void Activate();
    virtual void Deactivate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    QWidget* ContainerWidget() const override { return FClient; }

protected:
    void UpdateWidgetGeometry() override;
    bool WidgetEvent(QEvent* Event) override;
    void TextChanged() override;
    virtual void DoClose(TCloseAction& Action);

private:
    friend class TScreen;
    Integer FrameWidth() const;
    Integer CaptionHeight() const;
    Integer MenuHeight() const;
    void ApplyWindowFlags();
    // Own frame: a mouse event on the frame or caption bar; true when taken.
    bool FrameMouseEvent(QEvent* Event);
    void ApplyConstraints(QSize inner);
    void PlaceOnScreen();
    // Shows the window minimized, maximized or normal, as WindowState says.
    void ShowInWindowState();
    void CloseModal();
    void RebuildMenuBar();
    void RaiseWindow();
    // No control can take the focus: the form has it.
    void FocusTheWindow();
    // The control whose widget, or a widget inside it (a focus proxy), holds the window's
    // focus; the active control when none does.
    TWinControl* FocusHolder() const;
    // Next gets the focus as Tab gives it (a radio button reached so stays as it is), or
    // the form when Next is null.
    void HandFocusTo(TWinControl* Next, bool GoForward);
    // The window system moved the window: put back when the form takes no moves.
    void WindowMoved();

    QWidget* FClient = nullptr;
    QWidget* FMenuBar = nullptr;
    TMainMenu* FMenu = nullptr;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FStartControl = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    bool FModal = false;
    bool FCreated = false;
    bool FSyncingSize = false;
    TModalResult FModalResult = mrNone;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TWindowCommands FWindowCommands{wcMove, wcSize, wcClose};
    bool FOwnFrame = false;
    bool FActivateOnShow = true;
    bool FCloseBoxDown = false;
    // Moves undone in a row: a window system that keeps the window elsewhere is not fought.
    Integer FMovesUndone = 0;
};

// The caption buttons a window of the border style shows of Icons: none
// without a frame or a system menu; tool windows only the close box; dialogs
// the close box and help; other windows minimise and maximise as asked, and
// help only when neither of those shows.
TBorderIcons ShownBorderIcons(TFormBorderStyle Style, TBorderIcons Icons);

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
    String ClassName() const override { return "TForm"; }
};
