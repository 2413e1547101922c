#include "report/TrpTextExportFilter.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"
#include "platform/ui/MessageDialogs.h"
#include "report/TrpMemoView.h"
#include "report/rpConsts.h"
#include "report/rpRegistry.h"
#include "report/rpStreamUtils.h"

#include <algorithm>

namespace {

Integer CheckedHeight(Integer Height) {
    if (Height <= 0) throw EConvertError("The average font height must be a whole number above 0");
    return Height;
}

Integer AskedHeight() {
    const String answer = InputBox(rpLoadStr(rpsFilterProperties), rpLoadStr(rpsAverageFontHeight), "16");
    Integer height = 0;
    if (!TryStrToInt(Trim(answer), height)) height = 0;
    return CheckedHeight(height);
}

} // namespace

TrpTextExportFilter::TrpTextExportFilter(TStream* AStream)
    : TrpExportFilter(AStream), FAverageHeight(AskedHeight()) {}

TrpTextExportFilter::TrpTextExportFilter(TStream* AStream, Integer AverageHeight)
    : TrpExportFilter(AStream), FAverageHeight(CheckedHeight(AverageHeight)) {}

void TrpTextExportFilter::OnBeginPage() {
    ClearLines();
    Lines.resize(201);
}

void TrpTextExportFilter::OnText(Integer x, Integer y, const String& Text, TrpView* View) {
    if (!View) return;
    const auto row = static_cast<Integer>(std::max<Int64>(0, Round(static_cast<double>(y) / FAverageHeight)));
    if (row >= static_cast<Integer>(Lines.size())) Lines.resize(static_cast<std::size_t>(row) + 1);
    TrpTextRec item;
    item.X = x;
    item.Text = Text;
    item.FillColor = View->FillColor;
    if (auto* memo = dynamic_cast<TrpMemoView*>(View)) {
        item.FontName = memo->Font.Name();
        item.FontSize = memo->Font.Size();
        item.FontStyle = rpGetFontStyle(memo->Font.Style());
        item.FontColor = memo->Font.Color();
        item.FontCharset = memo->Font.Charset();
    }
    auto& chain = Lines[static_cast<std::size_t>(row)];
    auto at = chain.begin();
    while (at != chain.end() && at->X < x)
        ++at;
    chain.insert(at, item);
}

std::vector<String> TrpTextExportFilter::PageLines() const {
    Integer last = static_cast<Integer>(Lines.size()) - 1;
    while (last >= 0 && Lines[static_cast<std::size_t>(last)].empty())
        --last;
    std::vector<String> result;
    for (Integer row = 0; row <= last; ++row) {
        String line;
        Integer column = 0;
        for (const TrpTextRec& item : Lines[static_cast<std::size_t>(row)]) {
            const auto col = static_cast<Integer>(Round(item.X / 6.5));
            if (col > column) line.append(static_cast<std::size_t>(col - column), ' ');
            line += item.Text;
            column = col + Length(item.Text);
        }
        result.push_back(line);
    }
    return result;
}

void TrpTextExportFilter::OnEndPage() {
    String text;
    for (const String& line : PageLines())
        text += line + "\r\n";
    text += "\f\r\n";
    const std::string bytes = Utf8ToCodePage(text, CP_DOS_852);
    Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void rpRegisterTextExport() {
    rpRegisterExportFilter(
        "TrpTextExportFilter", [] { return new TrpTextExportFilter(nullptr); },
        rpLoadStr(rpsTextFile) + " (*.txt)", "*.txt");
}
