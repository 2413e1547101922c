#pragma once
// The print commands' part of the main window: "Nyomtatás" on the title strip of each
// list page that prints, each built by the reports area and printing through the
// report-host forms.
class TgxExtSpeedButton;

struct TForm1PrintParts {
    TgxExtSpeedButton* gxExtSpeedButton45; // case search
    TgxExtSpeedButton* letetlistaPrint;    // deposit list
    TgxExtSpeedButton* letetkeresPrint;    // deposit search
    TgxExtSpeedButton* partnerlistaPrint;  // partner list
    TgxExtSpeedButton* partnerkeresPrint;  // partner search
    TgxExtSpeedButton* gxExtSpeedButton49; // documents
    TgxExtSpeedButton* gxExtSpeedButton80; // client identification list
};
