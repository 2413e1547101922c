// Template files, template records of a database table, and the printer
// change of a report: the ways a template travels besides the form resource.
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TMemoryStream.h"
#include "platform/data/TBlobField.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "report/build/TrpPage.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/common/detail/TrpReportDesigner.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpStreamUtils.h"

void TrpReport::LoadFromFile(const String& AFileName) {
    TFileStream stream(AFileName, fmOpenRead);
    LoadFromStream(&stream);
    FileName = AFileName;
}

void TrpReport::SaveToFile(const String& AFileName) {
    // Written whole in memory first, so a failing template leaves no half file
    // and a failing disk leaves the earlier one.
    TMemoryStream bytes;
    SaveToStream(&bytes);
    bytes.SaveToFile(AFileName);
}

void TrpReport::SaveToRP3File(const String& AFileName) {
    TMemoryStream bytes;
    {
        FSaveXML = true;
        core::ScopeExit binaryAgain([this] { FSaveXML = false; });
        SaveToStream(&bytes);
    }
    bytes.SaveToFile(ChangeFileExt(AFileName, ".rp3"));
}

void TrpReport::SaveTemplate(const String& AFileName, TStrings* Comm, TBitmap* Bmp) {
    TMemoryStream bytes;
    const Byte saved = rpVersion;
    core::ScopeExit restore([&] { rpVersion = saved; });
    // The file carries no version byte: it is always written as the current version.
    rpVersion = rpCurrentVersion;
    Pages()->CheckWritable();
    rpWriteMemo(&bytes, Comm);
    const Int64 placeholder = bytes.Position();
    bytes.WriteInt32(0);
    if (!Bmp || Bmp->Empty()) {
        bytes.WriteByte(0);
    } else {
        bytes.WriteByte(1);
        Bmp->SaveToStream(&bytes);
    }
    const Int64 start = bytes.Position();
    bytes.SetPosition(placeholder);
    bytes.WriteInt32(static_cast<std::int32_t>(start));
    bytes.SetPosition(start);
    Pages()->SaveToStream(&bytes);
    bytes.SaveToFile(AFileName);
}

void TrpReport::LoadTemplate(const String& AFileName, TStrings* Comm, TBitmap* Bmp, bool Load) {
    TFileStream stream(AFileName, fmOpenRead);
    const Byte saved = rpVersion;
    core::ScopeExit restore([&] { rpVersion = saved; });
    // Written as the current version whatever was read before.
    rpVersion = rpCurrentVersion;
    CurReport = this;
    if (!Load) {
        rpReadMemo(&stream, Comm);
        stream.ReadInt32();
        if (Bmp) Bmp->SetSize(0, 0);
        if (stream.ReadByte() != 0 && Bmp) Bmp->LoadFromStream(&stream);
        return;
    }
    TStringList dropped;
    rpReadMemo(&stream, &dropped);
    const std::int32_t offset = stream.ReadInt32();
    if (offset < stream.Position() || offset > stream.Size()) throw EReadError("Stream read error");
    stream.SetPosition(offset);
    try {
        Pages()->LoadFromStream(&stream);
    } catch (...) {
        Pages()->Clear();
        Pages()->Add();
        MessageBox(nullptr, rpLoadStr(rpsUnsupportedFormat), rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
    }
}

namespace {

// Moves Table to the record whose field 0 holds DocN; false when there is none.
bool FindDocument(TDataSet* Table, Integer DocN) {
    Table->First();
    while (!Table->Eof()) {
        if (Table->Fields()->Fields(0)->AsInteger() == DocN) return true;
        Table->Next();
    }
    return false;
}

} // namespace

void TrpReport::LoadFromDB(TDataSet* Table, Integer DocN) {
    if (!FindDocument(Table, DocN)) return;
    auto* blob = dynamic_cast<TBlobField*>(Table->Fields()->Fields(1));
    if (!blob) throw EInvalidCast("Invalid class typecast");
    TMemoryStream stream;
    blob->SaveToStream(&stream);
    stream.SetPosition(0);
    LoadFromStream(&stream);
}

void TrpReport::SaveToDB(TDataSet* Table, Integer DocN) {
    auto* blob = dynamic_cast<TBlobField*>(Table->Fields()->Fields(1));
    if (!blob) throw EInvalidCast("Invalid class typecast");
    TMemoryStream stream;
    SaveToStream(&stream);
    if (FindDocument(Table, DocN))
        Table->Edit();
    else
        Table->Append();
    const core::ScopeFail cancel([Table] { Table->Cancel(); });
    Table->Fields()->Fields(0)->SetAsInteger(DocN);
    stream.SetPosition(0);
    blob->LoadFromStream(&stream);
    Table->Post();
}

void TrpReport::DesignReport() {
    if (Pages()->Count() == 0) Pages()->Add();
    CurReport = this;
    // The designer's help is the report users' own, for as long as it shows.
    const String helpFile = Application->HelpFile();
    Application->SetHelpFile(rpUserHelpFile);
    const core::ScopeExit restoreHelp([&helpFile] { Application->SetHelpFile(helpFile); });
    if (rpDesigner) rpDesigner->ShowModal();
}

bool TrpReport::ChangePrinter(Integer OldIndex, Integer NewIndex) {
    auto resolveAll = [this] {
        for (Integer i = 0; i < Pages()->Count(); ++i)
            Pages()->Pages(i)->ChangePaper();
    };
    if (!Prn) return false;
    try {
        Prn->SetPrinterIndex(NewIndex);
        // The new printer's paper is asked for again, page by page.
        Prn->PaperSize = -1;
        resolveAll();
        return true;
    } catch (const Exception&) {
        MessageBox(nullptr, rpLoadStr(rpsPrinterNotValid), rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
        Prn->SetPrinterIndex(OldIndex);
        Prn->PaperSize = -1;
        resolveAll();
        return false;
    }
}
