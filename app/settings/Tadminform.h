#pragma once
// The settings dialog: the office user's name, and the office address, chamber
// identifier and the two retention periods kept in `info`. What it stores applies
// from the next start.
#include "app/common/OfficeSettings.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TEdit;
class TLabel;
class TPanel;
class TSqlite3Query;

class Tadminform : public TForm {
public:
    explicit Tadminform(TComponent* AOwner);
    ~Tadminform() override;
    String ClassName() const override { return "Tadminform"; }

    TSqlite3Query* Query1;
    TPanel* Panel1;
    TLabel* Label1;   // "Beállítások"
    TEdit* Edit5;     // "Név:", read-only
    TEdit* Edit1;     // "Cím:"
    TEdit* Edit2;     // "Kamarai azonosító:"
    TEdit* Edit3;     // "Dokumentum őrzési idő:", years, digits only
    TEdit* Edit4;     // "JÜB őrzési idő:", years, digits only
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Bezár"

    void FormShow(TObject* Sender);
    // Stores the settings the user changed since the show or the last save; the dialog
    // stays open.
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);

private:
    // The four boxes' texts.
    app::OfficeSettingsText Boxes() const;
    // What the boxes showed after the show or the last save.
    app::OfficeSettingsText FShown;
};

extern Tadminform* adminform;
