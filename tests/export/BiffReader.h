#pragma once
// Reads the records of a written worksheet back, for tests that check what a
// run wrote: the record list, and the cells by position with their values.
#include "platform/core/CodePages.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace exporttest {

struct Record {
    Word Code = 0;
    std::string Body;
};

struct Cell {
    Word Code = 0;   // 1 blank, 2 integer, 3 number, 4 label
    Byte Format = 0; // bits 0-5 of attribute byte 1
    Byte Font = 0;   // bits 6-7
    Byte Alignment = 0;
    double Number = 0; // integer and number cells
    String Text;       // label cells, as UTF-8
};

inline Word Word16(const std::string& s, std::size_t at) {
    return static_cast<Word>(static_cast<Byte>(s[at]) | (static_cast<Byte>(s[at + 1]) << 8));
}

inline std::vector<Record> ReadRecords(const std::string& bytes) {
    std::vector<Record> records;
    std::size_t at = 0;
    while (at + 4 <= bytes.size()) {
        Record r;
        r.Code = Word16(bytes, at);
        const Word length = Word16(bytes, at + 2);
        r.Body = bytes.substr(at + 4, length);
        records.push_back(r);
        at += 4 + length;
    }
    return records;
}

inline std::vector<Word> Codes(const std::vector<Record>& records) {
    std::vector<Word> codes;
    for (const Record& r : records)
        codes.push_back(r.Code);
    return codes;
}

using CellMap = std::map<std::pair<int, int>, Cell>;

inline CellMap ReadCells(const std::string& bytes) {
    CellMap cells;
    for (const Record& r : ReadRecords(bytes)) {
        if (r.Code < 1 || r.Code > 4) continue;
        Cell c;
        c.Code = r.Code;
        c.Format = static_cast<Byte>(r.Body[5]) & 0x3F;
        c.Font = static_cast<Byte>(r.Body[5]) >> 6;
        c.Alignment = static_cast<Byte>(r.Body[6]);
        if (r.Code == 2) c.Number = Word16(r.Body, 7);
        if (r.Code == 3) std::memcpy(&c.Number, r.Body.data() + 7, 8);
        if (r.Code == 4) c.Text = CodePageToUtf8(r.Body.substr(8, static_cast<Byte>(r.Body[7])), 1250);
        cells[{Word16(r.Body, 0), Word16(r.Body, 2)}] = c;
    }
    return cells;
}

// Hex text of bytes, "09 08 06 00", for readable golden comparisons.
inline std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i) out += ' ';
        out += digits[static_cast<Byte>(bytes[i]) >> 4];
        out += digits[static_cast<Byte>(bytes[i]) & 15];
    }
    return out;
}

} // namespace exporttest
