// FormatFloat and FormatCurr: numbers through a picture format.
#include "platform/core/FloatDecimal.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Splits at ";" outside quoted text; at most three sections count.
std::vector<String> SplitSections(const String& format) {
    std::vector<String> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            if (sections.size() == 3) break;
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

struct Picture {
    bool HasDigits = false;
    Integer IntDigits = 0; // placeholders before the decimal point
    Integer DecMin = 0;    // fraction digits always shown
    Integer DecMax = 0;    // fraction digits at most shown
    bool Thousands = false;
    bool Scientific = false;
};

bool IsExponentAt(const String& s, size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

Picture Analyze(const String& section) {
    Picture p;
    bool point = false;
    char quote = 0;
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '0' || c == '#') {
            p.HasDigits = true;
            if (!point) {
                ++p.IntDigits;
            } else {
                ++p.DecMax;
                if (c == '0') p.DecMin = p.DecMax;
            }
        } else if (c == '.') {
            point = true;
        } else if (c == ',') {
            p.Thousands = true;
        } else if (IsExponentAt(section, i)) {
            p.Scientific = true;
            break;
        }
    }
    return p;
}

struct Rendering {
    String Whole;    // integer digits without leading zeros (empty for none)
    String Fraction; // fraction digits exactly as shown
    Integer Exponent = 0;
    bool Negative = false;
};

Rendering Prepare(const core::FloatDecimal& d, const Picture& p) {
    Rendering r;
    r.Negative = d.Negative;
    const auto n = static_cast<Integer>(d.Digits.size());
    Integer pointAt = d.Exponent; // digits before the decimal point
    if (p.Scientific) {
        pointAt = p.IntDigits;
        r.Exponent = d.Digits.empty() ? 0 : d.Exponent - p.IntDigits;
    }
    for (Integer i = 0; i < pointAt; ++i)
        r.Whole += i < n ? d.Digits[static_cast<size_t>(i)] : '0';
    if (r.Whole.find_first_not_of('0') == String::npos) r.Whole.clear();
    for (Integer i = pointAt; i < pointAt + p.DecMax; ++i)
        r.Fraction += (i >= 0 && i < n) ? d.Digits[static_cast<size_t>(i)] : '0';
    while (static_cast<Integer>(r.Fraction.size()) > p.DecMin && r.Fraction.back() == '0')
        r.Fraction.pop_back();
    return r;
}

String Render(const String& section, const Picture& p, const Rendering& r, bool withSign,
              const TFormatSettings& fs) {
    String out = withSign && r.Negative ? "-" : "";
    const auto intLen = static_cast<Integer>(r.Whole.size());
    Integer placeholder = 0; // integer placeholders met so far
    size_t fracIndex = 0;
    bool point = false, started = false;
    auto emitDigit = [&](Integer posFromRight, char digit) {
        out += digit;
        started = true;
        if (p.Thousands && !p.Scientific && posFromRight > 0 && posFromRight % 3 == 0)
            out += fs.ThousandSeparator;
    };
    char quote = 0;
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                out += c;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if ((c == '0' || c == '#') && !point) {
            const Integer pos = p.IntDigits - 1 - placeholder; // position from the right
            ++placeholder;
            if (placeholder == 1) // surplus leading digits go out at the first placeholder
                for (Integer k = intLen - 1; k > pos; --k)
                    emitDigit(k, r.Whole[static_cast<size_t>(intLen - 1 - k)]);
            // More placeholders than the picture counted (those after an exponent at the
            // start) have no digit of the number.
            if (pos >= 0 && pos < intLen)
                emitDigit(pos, r.Whole[static_cast<size_t>(intLen - 1 - pos)]);
            else if (c == '0' || started)
                emitDigit(pos, '0');
        } else if (c == '0' || c == '#') {
            if (fracIndex < r.Fraction.size()) out += r.Fraction[fracIndex++];
        } else if (c == '.') {
            if (!point && !r.Fraction.empty()) out += fs.DecimalSeparator;
            point = true;
        } else if (c == ',') {
            // Grouping is placed by the digits themselves.
        } else if (p.Scientific && IsExponentAt(section, i)) {
            out += c;
            const char sign = section[++i];
            if (r.Exponent < 0)
                out += '-';
            else if (sign == '+')
                out += '+';
            Integer width = 0;
            while (i + 1 < section.size() && section[i + 1] == '0' && width < 4) {
                ++width;
                ++i;
            }
            String digits = std::to_string(std::abs(r.Exponent));
            if (static_cast<Integer>(digits.size()) < width)
                digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
            out += digits;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

String FormatFloat(const String& format, double value, const TFormatSettings& fs) {
    if (format.empty() || !std::isfinite(value)) return FloatToStr(value, fs);
    const std::vector<String> sections = SplitSections(format);
    size_t index = 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        index = 1;
    else if (value == 0 && sections.size() >= 3 && !sections[2].empty())
        index = 2;

    Picture p = Analyze(sections[index]);
    auto round = [&](const Picture& pic, double v) {
        return pic.Scientific ? core::ToDecimal(v, std::max<Integer>(pic.IntDigits + pic.DecMax, 1))
                              : core::ToDecimal(v, 15, pic.DecMax);
    };
    core::FloatDecimal d = round(p, value);
    if (d.Digits.empty() && value != 0 && sections.size() >= 3 && !sections[2].empty()) {
        // Rounds to zero: the zero section shows it.
        index = 2;
        p = Analyze(sections[index]);
        d = core::FloatDecimal{};
    }
    if (!p.Scientific && d.Exponent > 18) return FloatToStr(value, fs);
    if (!p.HasDigits) return Render(sections[index], p, Rendering{}, false, fs);
    // A negative section supplies its own sign.
    return Render(sections[index], p, Prepare(d, p), index == 0, fs);
}

String FormatFloat(const String& format, double value) {
    return FormatFloat(format, value, FormatSettings);
}

String FormatCurr(const String& format, Currency value, const TFormatSettings& settings) {
    return FormatFloat(format, value, settings);
}

String FormatCurr(const String& format, Currency value) {
    return FormatFloat(format, value, FormatSettings);
}
