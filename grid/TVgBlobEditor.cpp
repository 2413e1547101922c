#include "grid/TVgBlobEditor.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPicture.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSaveDialog.h"

std::function<TModalResult(TVgBlobEditor* Editor)> TVgBlobEditor::Runner;

namespace {

constexpr Integer ButtonWidth = 75;
constexpr Integer ButtonHeight = 25;
const char* const PictureFilter = "Bitmaps (*.bmp)|*.bmp|All (*.*)|*.*";
TVgBlobEditor* SharedEditor = nullptr;

} // namespace

TVgBlobEditor::TVgBlobEditor(TComponent* AOwner) : TForm(AOwner) {
    SetPosition(poScreenCenter);
    SetBorderIcons({biSystemMenu, biMaximize}); // no minimise box
    SetBounds(0, 0, 480, 320);
    FMemo = new TMemo(this);
    FMemo->SetParent(this);
    FPanel = new TPanel(this);
    FPanel->SetParent(this);
    FPanel->SetBevelOuter(bvRaised);
    FPanel->SetBevelInner(bvLowered);
    FPanel->SetVisible(false);
    FImage = new TImage(this);
    FImage->SetParent(FPanel);
    FImage->SetCenter(true);
    FLoad = AddButton(FPanel, "Load", &TVgBlobEditor::LoadPicture);
    FSave = AddButton(FPanel, "Save", &TVgBlobEditor::SavePicture);
    FCopy = AddButton(FPanel, "Copy", &TVgBlobEditor::CopyPicture);
    FPaste = AddButton(FPanel, "Paste", &TVgBlobEditor::PastePicture);
    FClear = AddButton(FPanel, "Clear", &TVgBlobEditor::ClearPicture);
    FOk = new TButton(this);
    FOk->SetParent(this);
    FOk->SetCaption("&OK");
    FOk->SetDefault(true);
    FOk->SetModalResult(mrOk);
    FCancel = new TButton(this);
    FCancel->SetParent(this);
    FCancel->SetCaption("&Cancel");
    FCancel->SetCancel(true);
    FCancel->SetModalResult(mrCancel);
    Resize();
}

TVgBlobEditor::~TVgBlobEditor() {
    if (SharedEditor == this) SharedEditor = nullptr;
}

TButton* TVgBlobEditor::AddButton(TWinControl* Parent, const String& Caption,
                                  void (TVgBlobEditor::*Action)()) {
    auto* b = new TButton(this);
    b->SetParent(Parent);
    b->SetCaption(Caption);
    b->OnClick = [this, Action](TObject*) { (this->*Action)(); };
    return b;
}

TPicture* TVgBlobEditor::Picture() const {
    return FImage->Picture();
}

void TVgBlobEditor::ShowPicture(bool Value) {
    FPanel->SetVisible(Value);
    FMemo->SetVisible(!Value);
}

bool TVgBlobEditor::ShowsPicture() const {
    return FPanel->Visible();
}

void TVgBlobEditor::SetPictureBytes(const String& Bytes) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromBytes(reinterpret_cast<const Byte*>(Bytes.data()), Bytes.size());
    } catch (const Exception&) {
        bitmap.SetSize(0, 0); // not a picture this editor can show
    }
    Picture()->SetGraphic(bitmap.Empty() ? nullptr : &bitmap);
    FPictureModified = false;
}

String TVgBlobEditor::PictureBytes() const {
    auto* bitmap = dynamic_cast<TBitmap*>(Picture()->Graphic());
    if (!bitmap || bitmap->Empty()) return {};
    const std::vector<Byte> bytes = bitmap->SaveToBytes();
    return String(bytes.begin(), bytes.end());
}

void TVgBlobEditor::LoadPicture() {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(PictureFilter);
    if (!dialog.Execute()) return;
    Picture()->LoadFromFile(dialog.FileName());
    FPictureModified = true;
}

void TVgBlobEditor::SavePicture() {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(PictureFilter);
    dialog.SetDefaultExt("bmp");
    dialog.SetOptions(dialog.Options() + TOpenOptions{ofOverwritePrompt});
    if (dialog.Execute()) Picture()->SaveToFile(dialog.FileName());
}

void TVgBlobEditor::CopyPicture() {
    if (auto* bitmap = dynamic_cast<TBitmap*>(Picture()->Graphic()); bitmap && !bitmap->Empty())
        Clipboard()->SetBitmap(bitmap);
}

void TVgBlobEditor::PastePicture() {
    TBitmap bitmap;
    if (!Clipboard()->GetBitmap(&bitmap)) return;
    Picture()->SetGraphic(&bitmap);
    FPictureModified = true;
}

void TVgBlobEditor::ClearPicture() {
    Picture()->SetGraphic(nullptr);
    FPictureModified = true;
}

TVgBlobEditor* TVgBlobEditor::Instance() {
    if (!SharedEditor) SharedEditor = new TVgBlobEditor(Application);
    return SharedEditor;
}

TModalResult TVgBlobEditor::Execute() {
    if (Runner) return Runner(this);
    return ShowModal();
}

void TVgBlobEditor::Resize() {
    TForm::Resize();
    if (!FOk) // sized during construction, before the controls exist
        return;
    Integer w = ClientWidth(), h = ClientHeight();
    Integer top = h - ButtonHeight - 5;
    FOk->SetBounds(w - 2 * ButtonWidth - 10, top, ButtonWidth, ButtonHeight);
    FCancel->SetBounds(w - ButtonWidth - 5, top, ButtonWidth, ButtonHeight);
    const Integer width = std::max(w - 10, 0), height = std::max(top - 15, 0);
    FMemo->SetBounds(5, 5, width, height);
    FPanel->SetBounds(5, 5, width, height);
    // The buttons stand down the panel's right side; the picture fills the rest.
    const Integer column = width - ButtonWidth - 5;
    FImage->SetBounds(5, 5, std::max(column - 10, 0), std::max(height - 10, 0));
    Integer y = 5;
    for (TButton* b : {FLoad, FSave, FCopy, FPaste, FClear}) {
        b->SetBounds(column, y, ButtonWidth, ButtonHeight);
        y += ButtonHeight + 5;
    }
}
