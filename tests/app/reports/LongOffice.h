#pragma once
// An office whose texts are as long as a real office's: company names past 25 characters,
// addresses over two lines, long remarks, activities, notes and file paths in every field
// the reports print, and enough rows that every list runs over several pages.
#include "tests/app/reports/PrintFixture.h"

namespace apptest {

class LongOfficeFixture : public PrintFixture {
protected:
    struct LongOffice {
        Integer Case = 0;       // the case with history, persons and organisations
        Integer Deposit = 0;    // the deposit with a long remark and many movements
        Integer CaseClient = 0; // its person's copy, linked to a register person
        Integer Identification = 0;
    };
    LongOffice AddLongOffice();
};

} // namespace apptest
