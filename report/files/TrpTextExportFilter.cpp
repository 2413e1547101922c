#include "report/files/TrpTextExportFilter.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"
#include "platform/ui/MessageDialogs.h"
#include "report/views/TrpMemoView.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpRegistry.h"
#include "report/files/detail/rpStreamUtils.h"

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
    // Only the page's own rows: a stray coordinate must not size the grid.
    const Int64 rows = PageHeight > 0 ? Round(static_cast<double>(PageHeight) / FAverageHeight) + 1 : 201;
    Lines.resize(static_cast<std::size_t>(rows));
}

void TrpTextExportFilter::OnText(Integer x, Integer y, const String& Text, TrpView* View) {
    if (!View) return;
    const Int64 row = Round(static_cast<double>(y) / FAverageHeight);
    if (row < 0 || row >= static_cast<Int64>(Lines.size()))
        throw EListError("List index out of bounds (" + std::to_string(row) + ") on page " +
                         std::to_string(PageNo));
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
    Stream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

void rpRegisterTextExport() {
    rpRegisterExportFilter(
        "TrpTextExportFilter", [] { return new TrpTextExportFilter(nullptr); },
        rpLoadStr(rpsTextFile) + " (*.txt)", "*.txt");
}
