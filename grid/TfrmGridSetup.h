#pragma once
// The grid setup form: one check-list line per setup item (checked = the
// column is shown), the selected line's title and data look in two groups,
// its width in characters. Every editor writes its value into the selected
// line's item when it is left (PropertyExit, by the editor's Tag).
#include "grid/VgGridSetup.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/TCustomForm.h"

#include <vector>

class TButton;
class TCheckListBox;
class TComboBox;
class TEdit;
class TFont;
class TFontDialog;
class TGroupBox;
class TLabel;
class TMenuItem;
class TPopupMenu;

class TfrmGridSetup : public TForm {
public:
    explicit TfrmGridSetup(TComponent* AOwner);
    ~TfrmGridSetup() override;
    String ClassName() const override { return "TfrmGridSetup"; }

    // The lines' items, in list order (owned by the dialog run).
    std::vector<TVgGridSetupItem> Items;
    // Adds a line for Item (checked as it says) at the end of the list.
    void AddItem(TVgGridSetupItem Item);
    // The list's checks copied into the items.
    void StoreChecks();

    TCheckListBox* clbFields;
    TPopupMenu* pmColumns;
    TMenuItem* miSelectAll;
    TMenuItem* miUnselectAll;
    TMenuItem* miInvertSelection;
    TGroupBox* gbTitle;
    TEdit* edTitleCaption;
    TComboBox* cbTitleAlignment;
    TComboBox* VgColorsCBTitle;
    TEdit* edTitleFont;
    TButton* btnTitleFont;
    TGroupBox* gbData;
    TComboBox* cbDataAlignment;
    TComboBox* VgColorsCBData;
    TEdit* edDataFont;
    TButton* btnDataFont;
    TLabel* lblWidth;
    TEdit* edWidth;
    TLabel* lblCharacters;
    TButton* btnApplyAll;
    TButton* btnOk;
    TButton* btnCancel;
    TFontDialog* FontDlg;

    // Loads the selected line's item into the editors.
    void clbFieldsClick(TObject* Sender);
    void clbFieldsDragOver(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State,
                           bool& Accept);
    // Moves the selected line to the line under (X, Y), with its check mark.
    void clbFieldsDragDrop(TObject* Sender, TObject* Source, Integer X, Integer Y);
    // Writes the editor's value (by its Tag) into the selected line's item.
    void PropertyExit(TObject* Sender);
    void edTitleFontButtonClick(TObject* Sender);
    void VgColorsCBTitleDrawItem(TWinControl* Control, Integer Index, const TRect& Rect,
                                 TOwnerDrawState State);
    void VgColorsCBTitleClick(TObject* Sender);
    void VgColorsCBTitleChange(TObject* Sender);
    void miSelectAllClick(TObject* Sender);
    void btnApplyAllClick(TObject* Sender);

    static String GetItemCaption(const TVgGridSetupItem& Item);
    static String GetCaptionFont(const TFont* Font);

private:
    TVgGridSetupItem* Selected();
    bool IsData(TObject* Sender) const;
    TEdit* FontEditOf(TObject* Sender) const;
};
