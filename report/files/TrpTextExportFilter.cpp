#include "report/files/TrpTextExportFilter.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"
#include "platform/ui/MessageDialogs.h"
#include "report/views/TrpMemoView.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpRegistry.h"
#include "report/common/detail/rpStreamUtils.h"

#include <algorithm>
#include <numeric>

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
    FLastView = nullptr;
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
    // A view hands on all its lines at once.
    if (View != FLastView) {
        FLastView = View;
        ++FSource;
    }
    TrpTextRec item;
    item.X = x;
    item.Y = y;
    item.Source = FSource;
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

std::vector<std::vector<TrpTextRec>> TrpTextExportFilter::PageRows() const {
    auto last = Lines.size();
    while (last > 0 && Lines[last - 1].empty())
        --last;
    std::vector<std::vector<TrpTextRec>> rows;
    for (std::size_t r = 0; r < last; ++r) {
        const std::vector<TrpTextRec>& row = Lines[r];
        // The row's lines by height: a line of a text already in the current
        // output row, printed below it, opens the next output row.
        std::vector<std::size_t> byHeight(row.size());
        std::iota(byHeight.begin(), byHeight.end(), std::size_t{0});
        std::stable_sort(byHeight.begin(), byHeight.end(),
                         [&](std::size_t a, std::size_t b) { return row[a].Y < row[b].Y; });
        std::vector<std::size_t> partOf(row.size(), 0), inPart;
        std::size_t part = 0;
        for (const std::size_t k : byHeight) {
            const bool below = std::any_of(inPart.begin(), inPart.end(), [&](std::size_t j) {
                return row[j].Source == row[k].Source && row[j].Y != row[k].Y;
            });
            if (below) {
                ++part;
                inPart.clear();
            }
            inPart.push_back(k);
            partOf[k] = part;
        }
        for (std::size_t p = 0; p <= part; ++p) {
            std::vector<TrpTextRec> out;
            for (std::size_t k = 0; k < row.size(); ++k)
                if (partOf[k] == p) out.push_back(row[k]);
            rows.push_back(std::move(out));
        }
    }
    return rows;
}

std::vector<String> TrpTextExportFilter::PageLines() const {
    std::vector<String> result;
    for (const std::vector<TrpTextRec>& row : PageRows()) {
        String line;
        Integer column = 0;
        for (const TrpTextRec& item : row) {
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
