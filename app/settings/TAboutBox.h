#pragma once
// The About box: the program's title, the maker's web address, the version of the
// running program and the version of the database.
#include "platform/ui/TCustomForm.h"

class TButton;
class TLabel;
class TPanel;
class TSqlite3Query;
class TVgVersionInfo;
namespace app {
class ArtImage;
}

class TAboutBox : public TForm {
public:
    // Where the web-address label leads.
    static constexpr const char* WebAddress = "www.dornek.hu";

    explicit TAboutBox(TComponent* AOwner);
    ~TAboutBox() override;
    String ClassName() const override { return "TAboutBox"; }

    TPanel* Panel1; // the white panel
    TPanel* ProgramIconFrame;
    app::ArtImage* ProgramIcon;
    TLabel* ProductName;
    TLabel* WebLabel;
    TLabel* Label1; // "Dornek 2.0.1.3"
    TLabel* Label2; // "db: " and the database version
    TButton* OKButton;
    TVgVersionInfo* VgVersionInfo1;
    TSqlite3Query* Query1;

    void FormShow(TObject* Sender);
    // Opens WebAddress in the desktop's browser.
    void WebLabelClick(TObject* Sender);
};

extern TAboutBox* AboutBox;
