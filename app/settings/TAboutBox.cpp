#include "app/settings/TAboutBox.h"

#include "app/common/AreaLayout.h"
#include "app/common/ArtImage.h"
#include "controls/buttons/ButtonLooks.h"
#include "app/common/OfficeSettings.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "grid/TVgVersionInfo.h"
#include "platform/core/NumberFormat.h"
#include "platform/graphics/TFont.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/ShellApi.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"

TAboutBox* AboutBox = nullptr;

namespace {

constexpr Integer BoxWidth = 320;

TLabel* CentredLabel(TAboutBox* Box, TPanel* Panel, const String& Name, Integer Top, Integer Height) {
    TLabel* label = app::MakeLabel(Box, Panel, Name, "", 0, Top);
    label->SetAutoSize(false);
    label->SetAlignment(taCenter);
    label->SetBounds(8, Top, Panel->Width() - 16, Height);
    return label;
}

} // namespace

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner) {
    SetName("AboutBox");
    SetCaption("Információ");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(BoxWidth);
    SetClientHeight(262);

    Panel1 = app::MakePanel(this, this, "Panel1", alNone);
    Panel1->SetColor(clWhite);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetBounds(8, 8, BoxWidth - 16, 206);

    ProgramIconFrame = app::MakePanel(this, Panel1, "ProgramIconFrame", alNone);
    ProgramIconFrame->SetColor(looks::HouseBlue);
    ProgramIconFrame->SetBounds((Panel1->Width() - 56) / 2, 14, 56, 56);
    ProgramIcon = new app::ArtImage(this, app::Art::Scales);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetParent(ProgramIconFrame);
    ProgramIcon->SetBounds(6, 6, 44, 44);

    ProductName = CentredLabel(this, Panel1, "ProductName", 82, 24);
    ProductName->Font()->SetName("Arial");
    ProductName->Font()->SetHeight(-18);
    ProductName->Font()->SetStyle({fsBold});
    ProductName->Font()->SetColor(looks::HouseBlue);
    WebLabel = CentredLabel(this, Panel1, "WebLabel", 110, 16);
    WebLabel->SetCaption(WebAddress);
    WebLabel->Font()->SetColor(clBlue);
    WebLabel->Font()->SetStyle({fsUnderline});
    WebLabel->SetCursor(crHandPoint);
    Label1 = CentredLabel(this, Panel1, "Label1", 146, 16);
    Label2 = CentredLabel(this, Panel1, "Label2", 168, 16);
    Label2->Font()->SetColor(clGray);

    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetParent(this);
    OKButton->SetCaption("OK");
    OKButton->SetDefault(true);
    OKButton->SetCancel(true); // Escape closes the box as OK does
    OKButton->SetModalResult(mrOk);
    OKButton->SetBounds((BoxWidth - 80) / 2, 226, 80, 25);

    VgVersionInfo1 = new TVgVersionInfo(this);
    VgVersionInfo1->SetName("VgVersionInfo1");
    Query1 = app::MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    WebLabel->OnClick = [this](TObject* Sender) { WebLabelClick(Sender); };
}

TAboutBox::~TAboutBox() {
    if (AboutBox == this) AboutBox = nullptr;
}

void TAboutBox::FormShow(TObject*) {
    VgVersionInfo1->SetFileName(ParamStr(0));
    ProductName->SetCaption(Application->Title());
    TVgVersionInfo& v = *VgVersionInfo1;
    Label1->SetCaption(v.sGetVersionInfo(1) + " " + IntToStr(v.iGetVersionInfo(1)) + "." +
                       IntToStr(v.iGetVersionInfo(2)) + "." + IntToStr(v.iGetVersionInfo(3)) + "." +
                       IntToStr(v.iGetVersionInfo(4)));
    String version;
    app::ReadInfoValue(*Query1, "dbver", version);
    Query1->Close();
    Label2->SetCaption("db: " + version);
}

void TAboutBox::WebLabelClick(TObject*) {
    ShellExecute("open", "http://" + String(WebAddress), "", "", SW_SHOWNORMAL);
}
