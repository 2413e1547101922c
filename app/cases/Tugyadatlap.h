#pragma once
// The case sheet: one case's header, description, history of events with their files
// and the clients attached to it. From it the user records events (with a file and a
// retention deadline), closes the case, opens and deletes events, and attaches or
// removes persons and organisations. Opened modally by the case lists and the
// new-case dialog, which set CaseId first.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TCustomGrid.h"

class TCheckBox;
class TDBGrid;
class TDBMemo;
class TDBText;
class TDataSource;
class TDateTimePicker;
class TEdit;
class TField;
class TImageList;
class TLabel;
class TMemo;
class TMenuItem;
class TOpenDialog;
class TPanel;
class TPopupMenu;
class TSpeedButton;
class TSplitter;
class TSqlite3Query;
class TStringField;
class TUtlStarter;
class TVgDBGrid;
class TgxExtSpeedButton;
class TColumn;

class Tugyadatlap : public TForm {
public:
    explicit Tugyadatlap(TComponent* AOwner);
    ~Tugyadatlap() override;
    String ClassName() const override { return "Tugyadatlap"; }

    // The case shown: its sorszam, set by the opener before showing the sheet.
    Integer CaseId = 0;

    // What the user reads when the clients cannot be read as the sheet becomes active; the
    // failure's own message follows it.
    static constexpr const char* ClientsNotReadMessage =
        "Az ügyfelek listáját nem sikerült beolvasni, ezért üresen látszik: ";
    // Reads the case's clients, then goes to record RecNo (or the last) when it is above 0.
    // A list that cannot be read shows none, never the rows from before a save, which would
    // invite the same save again; the failure is raised.
    void ReadClients(Integer RecNo = 0);

    // ---- Data ------------------------------------------------------------------------
    TSqlite3Query* Query1; // header
    TSqlite3Query* Query2; // history
    TSqlite3Query* Query3; // clients
    TSqlite3Query* Query4; // writes
    TDataSource* DataSource1;
    TDataSource* DataSource2;
    TDataSource* DataSource3;
    TStringField* Query2sorszam;
    TStringField* Query2datum; // the stored date text, shown through its display handler
    TStringField* Query2ufile;
    TStringField* Query2megjegyzes;
    TStringField* Query2hintstring;
    TUtlStarter* UtlStarter1;
    TImageList* ImageList1; // 0 the diskette (a file), 1 a ticked box (a set flag)
    TOpenDialog* OpenDialog1;

    // ---- Header ------------------------------------------------------------------------
    TPanel* Panel1;
    TDBText* DBText1; // ev
    TLabel* Label1;   // "/"
    TDBText* DBText2; // szam
    TDBText* DBText3; // nev
    TDBText* DBText4; // statusz
    TDBText* DBText5; // datum

    // ---- New event ---------------------------------------------------------------------
    TPanel* Panel2;
    TDateTimePicker* DateTimePicker1;
    TEdit* Edit1; // "Fájl:"
    TSpeedButton* SpeedButton3;
    TMemo* Memo2;                         // "Esemény:"
    TCheckBox* CheckBox2;                 // "Őrzendő"
    TCheckBox* CheckBox3;                 // "Archiválandó"
    TCheckBox* CheckBox1;                 // "Ügy lezárása:"
    TgxExtSpeedButton* gxExtSpeedButton8; // "Rögzít"
    TgxExtSpeedButton* gxExtSpeedButton3; // "Személy"
    TgxExtSpeedButton* gxExtSpeedButton4; // "Szervezet"

    // ---- Body ----------------------------------------------------------------------------
    TPanel* Panel4;
    TPanel* Panel5;  // history
    TLabel* Label11; // history counter
    TVgDBGrid* VgDBGrid1;
    TPanel* Panel6; // description
    TDBMemo* DBMemo1;
    TSplitter* Splitter1;
    TPanel* Panel7; // clients
    TLabel* Label5; // clients counter
    TDBGrid* DBGrid2;
    TPopupMenu* PopupMenu1; // clients
    TMenuItem* JUB1;        // a new identification query of a person
    TMenuItem* Torles1;
    TMenuItem* Modositas1;  // edits a person's copy
    TPopupMenu* PopupMenu2; // history
    TMenuItem* Torles2;

    // ---- Bottom --------------------------------------------------------------------------
    TPanel* Panel3;
    TgxExtSpeedButton* gxExtSpeedButton1; // "Nyomtatás"
    TgxExtSpeedButton* gxExtSpeedButton2; // "Bezár"

    // ---- Handlers ------------------------------------------------------------------------
    void FormShow(TObject* Sender);
    // Reads the clients; when they cannot be read, the sheet stays open on the list emptied
    // and says so (ClientsNotReadMessage).
    void FormActivate(TObject* Sender);
    void DataSource2DataChange(TObject* Sender, TField* Field);
    void DataSource3DataChange(TObject* Sender, TField* Field);
    void Query2datumGetText(TField* Sender, String& Text, bool DisplayText);
    void VgDBGrid1DrawColumnCell(TObject* Sender, const TRect& Rect, Integer DataCol, TColumn* Column,
                                 TGridDrawState State);
    void VgDBGrid1DblClick(TObject* Sender);
    void gxExtSpeedButton8Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void Torles2Click(TObject* Sender);
    void Torles1Click(TObject* Sender);
    // For a person not yet identified in this case: the new-query dialog, modally.
    void JUB1Click(TObject* Sender);
    void Modositas1Click(TObject* Sender);
    void gxExtSpeedButton3Click(TObject* Sender);
    void gxExtSpeedButton4Click(TObject* Sender);
    // Prints this case's sheet.
    void gxExtSpeedButton1Click(TObject* Sender);
    void gxExtSpeedButton2Click(TObject* Sender);
    void Panel4Resize(TObject* Sender);

private:
    void CreateData();
    void CreateHeader();
    void CreateEventPanel();
    void CreateBody();
    void CreateHistory();
    void CreateDescriptionAndClients();
    void CreateBottom();
    void BindHandlers();
    // Reads the header; the event panel and the lists' writing entries are enabled only
    // while it stands read.
    void OpenHeader();
    void SetWritable(bool Writable);
    // Runs DeleteSql, then reads List again: a failure of that reading says the delete was done.
    void DeleteAndReadAgain(const String& DeleteSql, TSqlite3Query& List);
};

extern Tugyadatlap* ugyadatlap;
