// Writes seed prepared-report files for the prepared-report fuzzer into the
// folder named by the first argument: a page of every object kind in print
// mode (memos plain, wrapped, rotated and justified, a line, a picture, rich
// text), an empty landscape page, a file of one empty page, objects and a paper
// at the integer limits, and an older file whose two pages are metafiles of both
// kinds.
#include "platform/core/TFileStream.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRichDocument.h"
#include "report/views/detail/MemoText.h"
#include "report/build/TrpEMFPages.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpStreamUtils.h"
#include "tests/support/MetafileBuilder.h"

#include <climits>
#include <cstdio>
#include <string>

namespace {

void Write(TrpReport& r, const std::string& path) {
    TFileStream f(path, fmCreate);
    r.EMFPages()->SaveToStream(&f);
}

// Appends View to prepared page Index as the band engine prints it.
void Print(TrpReport& r, Integer index, TrpView& view, Byte type) {
    TMemoryStream* s = r.EMFPages()->Pages(index)->Stream.get();
    s->Seek(0, soFromEnd);
    s->WriteByte(type);
    if (type == gtAddIn) rpWriteString(s, view.ClassName());
    view.StreamMode = smPrinting;
    view.SaveToStream(s);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    rpInitEngine();

    TrpReport one(nullptr);
    TrpPage a4(9, 0, 0, 0);
    one.EMFPages()->Add(&a4);
    Write(one, dir + "/one-empty-page.rpp");

    TrpReport all(nullptr);
    TrpPage a5(11, 0, 0, 1);
    all.EMFPages()->Add(&a4);
    all.EMFPages()->Add(&a5);
    TrpMemoView plain;
    plain.SetBounds(10, 20, 300, 16);
    plain.Memo.SetText("Ügyfél: Kovács Ödön\r\nBudapest");
    plain.FrameTyp = 15;
    plain.FrameWidth = 1.5f;
    plain.FillColor = 0xFFFFFF;
    Print(all, 0, plain, gtMemo);
    TrpMemoView wrapped;
    wrapped.SetBounds(10, 60, 120, 60);
    wrapped.Adjust = 3 | 16;
    wrapped.Memo.Add(report::MakeLineRecord("egy kettő három", false, 90));
    wrapped.Memo.Add(report::MakeLineRecord("négy", true, 24));
    wrapped.Memo.Add("\x01");
    Print(all, 0, wrapped, gtMemo);
    TrpMemoView rotated;
    rotated.SetBounds(200, 60, 40, 120);
    rotated.Adjust = 4 | 2;
    rotated.Font.SetSize(14);
    rotated.Memo.SetText("fent");
    Print(all, 0, rotated, gtMemo);
    TrpLineView line;
    line.SetBounds(10, 200, 500, 0);
    line.FrameTyp = 8;
    Print(all, 0, line, gtLine);
    TrpPictureView picture;
    picture.SetBounds(400, 10, 64, 32);
    TBitmap bitmap(3, 2, pf24bit);
    picture.Picture.SetGraphic(&bitmap);
    Print(all, 0, picture, gtPicture);
    TrpRichView rich;
    rich.SetBounds(10, 220, 300, 40);
    rich.RichText = "{\\rtf1\\ansi\\ansicpg1250 {\\b x} y}";
    rpRichShared().Load(rich.RichText); // printed rich text is the expanded shared text
    Print(all, 0, rich, gtAddIn);
    Write(all, dir + "/every-kind.rpp");

    // Objects at the integer limits on a custom paper of 100 page pixels, which the
    // fuzzer draws 400 wide, and a paper at the limit: scaled, they saturate.
    TrpReport limits(nullptr);
    TrpPage small(256, 279, 279, 0);
    TrpPage vast(256, INT_MAX, INT_MAX, 0);
    limits.EMFPages()->Add(&small);
    limits.EMFPages()->Add(&vast);
    TrpLineView far;
    far.SetBounds(INT_MAX, INT_MIN, INT_MAX, 0);
    far.FrameTyp = 8;
    Print(limits, 0, far, gtLine);
    TrpMemoView wide;
    wide.SetBounds(0, 0, INT_MAX, INT_MAX);
    wide.FrameTyp = 15;
    wide.Memo.SetText("széles");
    Print(limits, 0, wide, gtMemo);
    Print(limits, 1, wide, gtMemo);
    Write(limits, dir + "/integer-limits.rpp");

    metafiletest::Emf enhanced;
    enhanced.Record(43, metafiletest::Ints({10, 10, 100, 50})).TextW(10, 60, u"Régi");
    metafiletest::Wmf placeable(200, 100, 1440);
    placeable.Record(0x041B, metafiletest::Shorts({70, 110, 20, 10}));
    TFileStream older(dir + "/older-metafiles.rpp", fmCreate);
    metafiletest::WriteOlderPreparedFile(&older, "Nyomtato", {enhanced.Build(), placeable.Build()});
    return 0;
}
