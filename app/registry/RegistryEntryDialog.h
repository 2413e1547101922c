#pragma once
// The layout and work both registry entry dialogs share: partner with its address,
// subject, date, arrival mode, registry location, case, note and reference, stored as a
// new item of the dialog's book. Tiktbe records incoming, Tiktki outgoing mail.
#include "app/registry/RegistryStatements.h"
#include "platform/ui/TCustomForm.h"

#include <vector>

class TBitBtn;
class TComboBox;
class TDateTimePicker;
class TEdit;
class TMemo;
class TSqlite3Query;

namespace app {

class RegistryEntryDialog : public TForm {
public:
    RegistryEntryDialog(TComponent* AOwner, RegistryBook Book, const String& Name, const String& Caption,
                        const String& PartnerCaption);

    TSqlite3Query* Query1;
    TComboBox* ComboBox1; // partner: a list item or typed text
    TBitBtn* BitBtn1;     // "Új" partner
    TEdit* Edit1;         // "Cím:"
    TEdit* Edit2;         // "Tárgy:"
    TDateTimePicker* DateTimePicker1;
    TComboBox* ComboBox2; // "Mód:"
    TComboBox* ComboBox3; // "Iktatási hely:"
    TComboBox* ComboBox4; // "Ügy:", filled with the main window's case combos
    TMemo* Memo1;         // "Megjegyzés:"
    TEdit* Edit3;         // "Referencia:"
    TBitBtn* BitBtn4;     // "Rögzít"
    TBitBtn* BitBtn5;     // "Mégse"

    // The chosen partner's key; 0 while none is chosen.
    Integer PartnerId = 0;

    // Refills the partner choice with every registry partner and its address.
    void FillPartnerCombo();
    // Chooses the partner Id: its item when the partner choice lists it, Name in the box,
    // Address as this entry's address.
    void ChoosePartner(Integer Id, const String& Name, const String& Address);
    // The partners' keys behind ComboBox1, index = item index.
    const std::vector<Integer>& PartnerIds() const { return FPartnerIds; }

    // Refills the partner, arrival mode and registry location choices from the database, none
    // chosen; the case choice keeps its items and choice.
    void FillEntryCombos();
    // FillEntryCombos, then the inputs emptied, the date today and no partner.
    void FormShow(TObject* Sender);
    // A list item chosen: its address and key. Any other text: no partner, no address.
    void ComboBox1Change(TObject* Sender);
    // Without a partner shows "A feladó mező kötelezően kitöltendő!" and stays open.
    void BitBtn4Click(TObject* Sender);
    void BitBtn5Click(TObject* Sender);
    // The new-partner dialog for this dialog.
    virtual void BitBtn1Click(TObject* Sender) = 0;

protected:
    // Shows the main window's list of this book after a stored item.
    virtual void ShowStoredList() = 0;

private:
    RegistryBook FBook;
    std::vector<Integer> FPartnerIds;
    std::vector<String> FPartnerAddresses;
    std::vector<Integer> FModeIds;
    std::vector<Integer> FLocationIds;
};

} // namespace app
