#pragma once
// The registry area's part of the main window: the incoming and outgoing lists with
// their filter strips, context menus and exports, and the settings page's grids. The
// settings tables (which the entry dialogs reopen through the window) and the partner
// and case combos (filled with every area's combos) stay on the window.
#include "platform/core/Types.h"

#include <vector>

class TBitBtn;
class TCheckBox;
class TDataSource;
class TEdit;
class TLabel;
class TPanel;
class TPopupMenu;
class TRadioButton;
class TSqlite3Query;
class TVgDBGrid;
class TVgExportToXLS;
class TgxExtSpeedButton;

struct TForm1RegistryParts {
    TSqlite3Query* iktlistaQuery1; // incoming list
    TSqlite3Query* iktlistaQuery2; // outgoing list
    TDataSource* iktataslistaDataSource1;
    TDataSource* iktataslistaDataSource2;
    TVgDBGrid* VgDBGrid6; // incoming
    TVgDBGrid* VgDBGrid7; // outgoing
    TPopupMenu* iktbePopupMenu;
    TPopupMenu* iktkiPopupMenu;
    TEdit* Edit28; // incoming: text, years, numbers
    TEdit* Edit29;
    TEdit* Edit30;
    TEdit* Edit31;
    TEdit* Edit32;
    TEdit* Edit33; // outgoing: text, years, numbers
    TEdit* Edit34;
    TEdit* Edit35;
    TEdit* Edit36;
    TEdit* Edit37;
    TCheckBox* CheckBox12; // incoming: in subject, note, reference
    TCheckBox* CheckBox11;
    TCheckBox* CheckBox9;
    TCheckBox* CheckBox13; // outgoing: in subject, note, reference
    TCheckBox* CheckBox10;
    TCheckBox* CheckBox8;
    TCheckBox* CheckBox15; // "Storno is jelenjen meg"
    TCheckBox* CheckBox16;
    TRadioButton* RadioButton9; // incoming sort: number, partner, subject, case
    TRadioButton* RadioButton10;
    TRadioButton* RadioButton13;
    TRadioButton* RadioButton14;
    TRadioButton* RadioButton11; // incoming: ascending, descending
    TRadioButton* RadioButton12;
    TRadioButton* RadioButton15; // outgoing sort: number, partner, subject, case
    TRadioButton* RadioButton16;
    TRadioButton* RadioButton17;
    TRadioButton* RadioButton18;
    TRadioButton* RadioButton19; // outgoing: ascending, descending
    TRadioButton* RadioButton20;
    TgxExtSpeedButton* gxExtSpeedButton27; // incoming "Lekérdezés", "Alaphelyzet", "Exportálás"
    TgxExtSpeedButton* gxExtSpeedButton24;
    TgxExtSpeedButton* gxExtSpeedButton28;
    TgxExtSpeedButton* gxExtSpeedButton31; // outgoing "Lekérdezés", "Alaphelyzet", "Exportálás"
    TgxExtSpeedButton* gxExtSpeedButton30;
    TgxExtSpeedButton* gxExtSpeedButton32;
    TLabel* Label81; // counters: incoming, outgoing
    TLabel* Label90;
    TVgExportToXLS* iktlistXLS1;
    TVgExportToXLS* iktlistXLS2;
    TDataSource* iktatasbeallitasDataSource1;
    TDataSource* iktatasbeallitasDataSource2;
    TDataSource* iktatasbeallitasDataSource3;
    TVgDBGrid* VgDBGrid4; // locations
    TVgDBGrid* VgDBGrid5; // arrival modes
    TVgDBGrid* VgDBGrid3; // registry partners
    TLabel* Label82;      // counters of the three tables
    TLabel* Label83;
    TLabel* Label84;
    TBitBtn* BitBtn11; // "Új" location, mode, partner
    TBitBtn* BitBtn12;
    TBitBtn* BitBtn10;
    TPanel* Panel17; // settings: upper part, its halves
    TPanel* Panel38;
    TPanel* Panel39;
    // The registry partners behind ComboBox1 and ComboBox3, index = item index.
    std::vector<Integer> PartnerIds;
};
