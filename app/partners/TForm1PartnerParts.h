#pragma once
// The partners area's part of the main window: the list and search pages' grids,
// context menus, search box and exports. The two datasets (partnerQuery1 and
// partnerQuery2, which the partner dialogs and the printed lists read too) stay on
// the window.
class TDataSource;
class TEdit;
class TPopupMenu;
class TSaveDialog;
class TVgDBGrid;
class TVgExportToXLS;
class TgxExtSpeedButton;

struct TForm1PartnerParts {
    TDataSource* partnerDataSource1;
    TDataSource* partnerDataSource2;
    TVgDBGrid* VgDBGrid1; // list
    TVgDBGrid* VgDBGrid2; // search
    TPopupMenu* partnerlistaPopupMenu1;
    TPopupMenu* partnerlistaPopupMenu2;
    TEdit* Edit27;                         // "Keresett kifejezés:"
    TgxExtSpeedButton* partnerKeres;       // "Keres"
    TgxExtSpeedButton* partnerlistaExport; // "Exportálás" of the list
    TgxExtSpeedButton* partnerkeresExport; // "Exportálás" of the search
    TVgExportToXLS* partnerlistaToXLS;
    TVgExportToXLS* partnerkeresToXLS;
    TSaveDialog* partnerSaveDialog;
};
