#include "report/files/TrpRTFExportFilter.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/TStream.h"
#include "report/files/detail/RtfEncoding.h"
#include "report/views/TrpPictureView.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpRegistry.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char LineEnd[] = "\r\n";

// A table opened by Head, one entry after another; a line never reaches 255
// characters unless one entry alone does.
String TableText(String Head, const std::vector<String>& Entries) {
    String text;
    String line = std::move(Head);
    for (const String& entry : Entries) {
        if (line.size() + entry.size() >= 255) {
            text += line + LineEnd;
            line = entry;
        } else {
            line += entry;
        }
    }
    return text + line + "}" + LineEnd;
}

// White text would vanish on the reader's white page, so it is written black.
TColor ExportedColor(TColor Color) {
    const TColor rgb = ColorToRGB(Color) & 0xFFFFFF;
    return rgb == 0xFFFFFF ? 0 : rgb;
}

} // namespace

TrpRTFExportFilter::TrpRTFExportFilter(TStream* AStream) : TrpTextExportFilter(AStream) {}

TrpRTFExportFilter::TrpRTFExportFilter(TStream* AStream, Integer AverageHeight)
    : TrpTextExportFilter(AStream, AverageHeight) {}

void TrpRTFExportFilter::WriteText(const String& Text) {
    Stream->WriteBuffer(Text.data(), static_cast<Integer>(Text.size()));
}

void TrpRTFExportFilter::OnData(Integer x, Integer y, TrpView* View) {
    auto* picture = dynamic_cast<TrpPictureView*>(View);
    if (!picture) return;
    std::vector<Byte> bitmap = report::PlainBitmapFile(picture->Picture.Graphic());
    if (bitmap.empty()) return;
    DataList.push_back({x, y, picture->Width, picture->Height, picture->Picture.Width(),
                        picture->Picture.Height(), std::move(bitmap)});
}

Integer TrpRTFExportFilter::FontNumber(const String& Name) {
    const auto at = std::find(FontTable.begin(), FontTable.end(), Name);
    if (at != FontTable.end()) return static_cast<Integer>(at - FontTable.begin());
    FontTable.push_back(Name);
    return static_cast<Integer>(FontTable.size()) - 1;
}

Integer TrpRTFExportFilter::ColorNumber(TColor Color) {
    const auto at = std::find(ColorTable.begin(), ColorTable.end(), Color);
    if (at != ColorTable.end()) return static_cast<Integer>(at - ColorTable.begin()) + 1;
    ColorTable.push_back(Color);
    return static_cast<Integer>(ColorTable.size());
}

String TrpRTFExportFilter::RowParagraph(const std::vector<TrpTextRec>& Row) {
    String stops = "\\pard";
    String content;
    std::optional<String> font;
    std::optional<Integer> size;
    std::optional<TColor> color;
    Integer style = 0; // the paragraph's group starts plain
    for (const TrpTextRec& item : Row) {
        stops += "\\tx" + IntToStr(report::RtfTwipsFromX(item.X));
        String codes;
        if (font != item.FontName) {
            font = item.FontName;
            codes += "\\f" + IntToStr(FontNumber(item.FontName));
        }
        if (size != item.FontSize) {
            size = item.FontSize;
            codes += "\\fs" + IntToStr(Int64(item.FontSize) * 2);
        }
        // Each style switched on or off as the item needs it, so a plain item
        // after a bold one is plain.
        static constexpr std::pair<Integer, const char*> styles[] = {{1, "\\i"}, {2, "\\b"}, {4, "\\ul"}};
        for (const auto& [bit, code] : styles) {
            if ((style ^ item.FontStyle) & bit) codes += String(code) + ((item.FontStyle & bit) ? "" : "0");
        }
        style = item.FontStyle;
        const TColor exported = ExportedColor(item.FontColor);
        if (color != exported) {
            color = exported;
            codes += "\\cf" + IntToStr(ColorNumber(exported));
        }
        content += "\\tab" + codes + " " + report::RtfEscapedText(item.Text);
    }
    return stops + "{" + content + "\\par}" + LineEnd;
}

void TrpRTFExportFilter::OnEndPage() {
    if (NotFirstPage) Body += String("\\page") + LineEnd;
    for (const PictureData& p : DataList)
        Body +=
            report::RtfPictureGroup({p.X, p.Y, p.Width, p.Height, p.PictureWidth, p.PictureHeight}, p.Bitmap);
    for (const std::vector<TrpTextRec>& row : PageRows())
        Body += RowParagraph(row);
    NotFirstPage = true;
    DataList.clear();
}

void TrpRTFExportFilter::OnEndDoc() {
    if (Finished) return;
    Finished = true;
    std::vector<String> fonts;
    for (std::size_t i = 0; i < FontTable.size(); ++i)
        fonts.push_back("{\\f" + IntToStr(Int64(i)) + " " + report::RtfEscapedText(FontTable[i]) + "}");
    std::vector<String> colors;
    for (TColor c : ColorTable)
        colors.push_back("\\red" + IntToStr(GetRValue(c)) + "\\green" + IntToStr(GetGValue(c)) + "\\blue" +
                         IntToStr(GetBValue(c)) + ";");
    WriteText(String("{\\rtf1\\ansi\\ansicpg1250") + LineEnd);
    WriteText(TableText("{\\fonttbl", fonts));
    WriteText(TableText("{\\colortbl;", colors));
    Body += "\\par}";
    WriteText(Body);
    Body.clear();
}

void rpRegisterRTFExport() {
    rpRegisterExportFilter(
        "TrpRTFExportFilter", [] { return new TrpRTFExportFilter(nullptr); },
        rpLoadStr(rpsRTFFile) + " (*.rtf)", "*.rtf");
}
