#pragma once
// The editor of long text and BLOB fields that a double click on a grid cell
// opens, one form shared by every grid: a memo for text, or for graphic
// fields a picture panel (Load, Save, Copy, Paste, Clear), with OK and Cancel.
#include "platform/ui/TCustomForm.h"

#include <functional>

class TButton;
class TImage;
class TMemo;
class TPanel;
class TPicture;

class TVgBlobEditor : public TForm {
public:
    explicit TVgBlobEditor(TComponent* AOwner);
    ~TVgBlobEditor() override;
    String ClassName() const override { return "TVgBlobEditor"; }

    TMemo* Memo() const { return FMemo; }
    TPanel* PicturePanel() const { return FPanel; }
    TPicture* Picture() const;
    TButton* OkButton() const { return FOk; }
    TButton* CancelButton() const { return FCancel; }
    TButton* LoadButton() const { return FLoad; }
    TButton* SaveButton() const { return FSave; }
    TButton* CopyButton() const { return FCopy; }
    TButton* PasteButton() const { return FPaste; }
    TButton* ClearButton() const { return FClear; }

    // Shows the picture panel (true) or the memo (false).
    void ShowPicture(bool Value);
    bool ShowsPicture() const;
    // Puts the picture held as BMP bytes on the panel (unreadable bytes show
    // none) and forgets earlier changes.
    void SetPictureBytes(const String& Bytes);
    // The panel's picture as BMP bytes; empty when there is none.
    String PictureBytes() const;
    // Whether the picture was loaded, pasted or cleared since SetPictureBytes.
    bool PictureModified() const { return FPictureModified; }

    // The panel's buttons. Load and Save ask for the file through the picture
    // dialogs and raise the picture's errors (EInvalidGraphic, EFCreateError);
    // Copy does nothing without a picture, Paste nothing without one on the
    // clipboard.
    void LoadPicture();
    void SavePicture();
    void CopyPicture();
    void PastePicture();
    void ClearPicture();

    // The shared editor, made on first use and owned by the application, which frees it with
    // the other forms at shut-down while the widgets still stand; freed, the next use makes
    // a new one.
    static TVgBlobEditor* Instance();
    // Shows the editor modally; tests answer through Runner instead.
    TModalResult Execute();
    static std::function<TModalResult(TVgBlobEditor* Editor)> Runner;

protected:
    void Resize() override;

private:
    TButton* AddButton(TWinControl* Parent, const String& Caption, void (TVgBlobEditor::*Action)());

    TMemo* FMemo = nullptr;
    TPanel* FPanel = nullptr;
    TImage* FImage = nullptr;
    TButton* FOk = nullptr;
    TButton* FCancel = nullptr;
    TButton* FLoad = nullptr;
    TButton* FSave = nullptr;
    TButton* FCopy = nullptr;
    TButton* FPaste = nullptr;
    TButton* FClear = nullptr;
    bool FPictureModified = false;
};
