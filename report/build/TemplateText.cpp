#include "report/build/detail/TemplateText.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "report/script/detail/FormatValue.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"
#include "report/common/detail/rpStreamUtils.h"

#include <map>
#include <memory>
#include <sstream>
#include <vector>

namespace report {

namespace {

// A4 in page pixels of the virtual printer; bands span the whole width.
constexpr Integer PageWidth = 752;
constexpr Integer PageHeight = 1071;

struct Fault {
    String What;
};

[[noreturn]] void Fail(const String& what) {
    throw Fault{what};
}

Integer Number(const String& text, const char* what) {
    Integer value = 0;
    if (!TryStrToInt(text, value)) Fail(String(what) + " is not a whole number: \"" + text + "\"");
    return value;
}

TColor Colour(const String& text) {
    if (!text.empty() && text[0] == '$') {
        Integer rgb = 0;
        if (text.size() != 7 || !TryStrToInt(text, rgb)) Fail("colour is not $RRGGBB: \"" + text + "\"");
        // Descriptions write red first; colour values keep red in the low byte.
        return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    }
    return Number(text, "colour");
}

// Words of a statement; a double-quoted part keeps its blanks and loses its quotes.
std::vector<String> Words(const String& text) {
    std::vector<String> words;
    String word;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (any) words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (quoted) Fail("unclosed double quote");
    if (any) words.push_back(word);
    return words;
}

struct Option {
    String Key;
    String Value;
    bool HasValue = false;
};

Option SplitOption(const String& word) {
    const std::size_t eq = word.find('=');
    if (eq == String::npos) return {word, {}, false};
    return {word.substr(0, eq), word.substr(eq + 1), true};
}

void NeedValue(const Option& o) {
    if (!o.HasValue || o.Value.empty()) Fail("option " + o.Key + " needs a value");
}

const std::map<String, TrpBandType>& BandTypes() {
    static const std::map<String, TrpBandType> types = {
        {"ReportTitle", btReportTitle},         {"ReportSummary", btReportSummary},
        {"PageHeader", btPageHeader},           {"PageFooter", btPageFooter},
        {"MasterHeader", btMasterHeader},       {"MasterData", btMasterData},
        {"MasterFooter", btMasterFooter},       {"DetailHeader", btDetailHeader},
        {"DetailData", btDetailData},           {"DetailFooter", btDetailFooter},
        {"SubDetailHeader", btSubDetailHeader}, {"SubDetailData", btSubDetailData},
        {"SubDetailFooter", btSubDetailFooter}, {"Overlay", btOverlay},
        {"ColumnHeader", btColumnHeader},       {"ColumnFooter", btColumnFooter},
        {"GroupHeader", btGroupHeader},         {"GroupFooter", btGroupFooter}};
    return types;
}

Word BandFlag(const String& word) {
    static const std::map<String, Word> flags = {{"stretched", bfStretched},
                                                 {"newpage", bfStartNewPage},
                                                 {"printifempty", bfPrintIfDetailEmpty},
                                                 {"split", bfAllowSplit},
                                                 {"firstpage", bfPrintOnFirstPage},
                                                 {"lastpage", bfPrintOnLastPage},
                                                 {"reprint", bfReprintOnNewPage}};
    const auto found = flags.find(word);
    if (found == flags.end()) Fail("unknown band option \"" + word + "\"");
    return found->second;
}

class Reader {
public:
    Reader(TrpReport& Report, const TemplateFileReader& ReadFile) : FReport(Report), FReadFile(ReadFile) {}

    void Statement(const String& line) {
        const std::size_t bar = line.find('|');
        const std::vector<String> words = Words(bar == String::npos ? line : line.substr(0, bar));
        if (words.empty()) Fail("text without a statement");
        const String& kind = words[0];
        if (kind != "memo" && bar != String::npos) Fail("only a memo has text");
        if (kind == "report")
            ReportLine(words);
        else if (kind == "page")
            PageLine(words);
        else if (kind == "variables")
            VariablesLine(words);
        else if (kind == "band")
            BandLine(words);
        else if (kind == "memo")
            MemoLine(words, bar == String::npos ? nullptr : &line, bar);
        else if (kind == "line")
            LineLine(words);
        else if (kind == "rich")
            RichLine(words);
        else
            Fail("unknown statement \"" + kind + "\"");
    }

    void Finish() {
        if (!FPage) Fail("no page");
    }

private:
    void ReportLine(const std::vector<String>& words) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            if (words[i] == "doublepass")
                FReport.DoublePass = true;
            else if (words[i] == "printtodefault")
                FReport.PrintToDefault = true;
            else
                Fail("unknown report option \"" + words[i] + "\"");
        }
    }

    void PageLine(const std::vector<String>& words) {
        if (FPage) Fail("a template here holds one page");
        FReport.Pages()->Add();
        FPage = FReport.Pages()->Pages(0);
        FPage->PaperSize = 9;
        FPage->PaperWidth = 2100;
        FPage->PaperHeight = 2970;
        FPage->Orientation = 0;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const Option o = SplitOption(words[i]);
            if (o.Key != "margins") Fail("unknown page option \"" + o.Key + "\"");
            NeedValue(o);
            std::vector<Integer> m;
            std::stringstream parts(o.Value);
            for (String part; std::getline(parts, part, ',');)
                m.push_back(Number(part, "margin"));
            if (m.size() != 4) Fail("margins need four numbers");
            FPage->Margins = TRect(m[0], m[1], m[2], m[3]);
        }
    }

    void VariablesLine(const std::vector<String>& words) {
        if (words.size() < 3) Fail("variables need a category and at least one name");
        FReport.Variables()->Add(words[1]);
        for (std::size_t i = 2; i < words.size(); ++i) {
            FReport.Variables()->Add(" " + words[i]);
            // Unbound: the report's value event supplies it while the pages are built.
            const Integer index = FReport.Values()->AddValue();
            FReport.Values()->Items.Put(index, words[i]);
        }
    }

    TrpPage& Page() {
        if (!FPage) Fail("an object before the page");
        return *FPage;
    }

    // LEFT TOP WIDTH HEIGHT after the statement word; TOP counts from the band above.
    void Place(TrpView& view, const std::vector<String>& words) {
        if (words.size() < 5) Fail(words[0] + " needs LEFT TOP WIDTH HEIGHT");
        const Integer left = Number(words[1], "LEFT"), top = Number(words[2], "TOP");
        const Integer width = Number(words[3], "WIDTH"), height = Number(words[4], "HEIGHT");
        if (width < 0 || height < 0) Fail("a size below 0");
        if (!FBand) Fail(words[0] + " before any band");
        if (top < 0 || top > FBand->Height) Fail(words[0] + " outside its band");
        if (left < 0 || left + width > PageWidth) Fail(words[0] + " outside the page");
        view.SetBounds(left, FBand->Top + top, width, height);
    }

    void BandLine(const std::vector<String>& words) {
        if (words.size() < 4) Fail("band needs TYPE TOP HEIGHT");
        const auto type = BandTypes().find(words[1]);
        if (type == BandTypes().end()) Fail("unknown band type \"" + words[1] + "\"");
        auto band = std::make_unique<TrpBandView>();
        band->SetBandType(type->second);
        const Integer top = Number(words[2], "TOP"), height = Number(words[3], "HEIGHT");
        if (top < 0 || height <= 0 || top + height > PageHeight) Fail("band outside the page");
        if (FBand && top < FBand->Top + FBand->Height) Fail("band overlaps the band above");
        band->SetBounds(0, top, PageWidth, height);
        band->Flags = 0;
        for (std::size_t i = 4; i < words.size(); ++i) {
            const Option o = SplitOption(words[i]);
            if (o.Key == "source") {
                NeedValue(o);
                band->FormatStr = o.Value;
            } else {
                band->Flags |= BandFlag(o.Key);
            }
        }
        band->Name = "Band" + std::to_string(++FBands);
        FBand = band.get();
        Page().Add(band.release());
    }

    void FrameOption(TrpView& view, const Option& o) {
        if (o.Key == "frame") {
            NeedValue(o);
            for (char side : o.Value) {
                if (side == 'l')
                    view.FrameTyp |= FrameLeft;
                else if (side == 't')
                    view.FrameTyp |= FrameTop;
                else if (side == 'r')
                    view.FrameTyp |= FrameRight;
                else if (side == 'b')
                    view.FrameTyp |= FrameBottom;
                else
                    Fail("frame sides are l, t, r and b");
            }
        } else if (o.Key == "framewidth") {
            NeedValue(o);
            view.FrameWidth = static_cast<float>(Number(o.Value, "frame width"));
        } else if (o.Key == "framecolor") {
            NeedValue(o);
            view.FrameColor = Colour(o.Value);
        } else if (o.Key == "fill") {
            NeedValue(o);
            view.FillColor = Colour(o.Value);
        } else {
            Fail("unknown option \"" + o.Key + "\"");
        }
    }

    void MemoLine(const std::vector<String>& words, const String* line, std::size_t bar) {
        auto memo = std::make_unique<TrpMemoView>();
        Place(*memo, words);
        Integer style = 0;
        for (std::size_t i = 5; i < words.size(); ++i) {
            const Option o = SplitOption(words[i]);
            if (o.Key == "font") {
                NeedValue(o);
                memo->Font.SetName(o.Value);
            } else if (o.Key == "size") {
                NeedValue(o);
                const Integer size = Number(o.Value, "size");
                if (size < 4 || size > 72) Fail("size outside 4..72");
                memo->Font.SetSize(size);
            } else if (o.Key == "bold") {
                style |= 2;
            } else if (o.Key == "italic") {
                style |= 1;
            } else if (o.Key == "underline") {
                style |= 4;
            } else if (o.Key == "color") {
                NeedValue(o);
                memo->Font.SetColor(Colour(o.Value));
            } else if (o.Key == "align") {
                static const std::map<String, Integer> aligns = {
                    {"left", 0}, {"right", 1}, {"center", 2}, {"justify", 3}};
                const auto a = aligns.find(o.Value);
                if (a == aligns.end()) Fail("align is left, right, center or justify");
                memo->Adjust = (memo->Adjust & ~3) | a->second;
            } else if (o.Key == "valign") {
                static const std::map<String, Integer> aligns = {{"top", 0}, {"center", 8}, {"bottom", 16}};
                const auto a = aligns.find(o.Value);
                if (a == aligns.end()) Fail("valign is top, center or bottom");
                memo->Adjust = (memo->Adjust & ~24) | a->second;
            } else if (o.Key == "format") {
                if (o.Value != "thousands") Fail("format is thousands");
                memo->Format = rpMakeFormat(1, 3, 0, ',');
            } else if (o.Key == "fixed") {
                memo->Flags &= ~flStretched;
            } else if (o.Key == "nowrap") {
                memo->Flags &= ~flWordWrap;
            } else {
                FrameOption(*memo, o);
            }
        }
        memo->Font.SetStyle(rpSetFontStyle(style));
        if (line) {
            String text = line->substr(bar + 1);
            if (!text.empty() && text[0] == ' ') text.erase(0, 1);
            for (std::size_t at; (at = text.find("\\n")) != String::npos;)
                text.replace(at, 2, "\n");
            memo->Memo.SetText(text);
        }
        memo->Name = "Memo" + std::to_string(++FMemos);
        Page().Add(memo.release());
    }

    void LineLine(const std::vector<String>& words) {
        auto line = std::make_unique<TrpLineView>();
        Place(*line, words);
        line->FrameTyp = 0;
        for (std::size_t i = 5; i < words.size(); ++i)
            FrameOption(*line, SplitOption(words[i]));
        line->Name = "Line" + std::to_string(++FLines);
        Page().Add(line.release());
    }

    void RichLine(const std::vector<String>& words) {
        auto rich = std::make_unique<TrpRichView>();
        Place(*rich, words);
        String file;
        for (std::size_t i = 5; i < words.size(); ++i) {
            const Option o = SplitOption(words[i]);
            if (o.Key == "file") {
                NeedValue(o);
                file = o.Value;
            } else {
                FrameOption(*rich, o);
            }
        }
        if (file.empty()) Fail("rich needs file=NAME");
        if (!FReadFile) Fail("no file can be read here: " + file);
        try {
            rich->RichText = FReadFile(file);
        } catch (const Exception& e) {
            Fail(e.Message());
        } catch (const std::exception& e) {
            Fail(e.what());
        }
        rich->Name = "Rich" + std::to_string(++FRiches);
        Page().Add(rich.release());
    }

    TrpReport& FReport;
    const TemplateFileReader& FReadFile;
    TrpPage* FPage = nullptr;
    TrpBandView* FBand = nullptr;
    Integer FBands = 0, FMemos = 0, FLines = 0, FRiches = 0;
};

} // namespace

void ReadTemplateText(TrpReport& Report, const String& Text, const TemplateFileReader& ReadFile) {
    Report.Pages()->Clear();
    Report.Values()->Clear();
    Report.Variables()->Clear();
    Report.DoublePass = false;
    Report.PrintToDefault = false;
    Reader reader(Report, ReadFile);
    std::stringstream lines(Text);
    Integer number = 0;
    try {
        for (String line; std::getline(lines, line);) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::size_t first = line.find_first_not_of(" \t");
            if (first == String::npos || line[first] == '#') continue;
            reader.Statement(line.substr(first));
        }
        ++number;
        reader.Finish();
    } catch (const Fault& f) {
        throw EConvertError("Line " + std::to_string(number) + ": " + f.What);
    }
}

} // namespace report
