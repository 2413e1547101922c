#pragma once
// Prepared-report files of the older kind, whose pages are metafiles: a memo
// whose first line names the printer, an int32 page count, then per page the
// int32 position of the next record (from the file's start), word paper code,
// int32 width, int32 height, byte orientation, byte margins flag and the
// page's metafile. Each such page is shown, printed and exported as one
// picture as large as its paper.
#include "platform/core/Types.h"

#include <memory>
#include <vector>

class TMetafile;
class TStream;

namespace report {

struct OlderPage {
    Integer pgSize = 0;
    Integer pgWidth = 0;
    Integer pgHeight = 0;
    Byte pgOr = 0;
    bool pgMargins = false;
    std::unique_ptr<TMetafile> Metafile;
};

// Reads a whole older file from Stream's start into Pages and answers the
// printer name. Raises EReadError "Stream read error" for a file with no
// page, a page count that cannot fit, or a record that ends before its header
// or beyond the file, and EInvalidGraphic for a metafile that does not read.
String ReadOlderPages(TStream* Stream, std::vector<OlderPage>& Pages);

// Writes the page stream of one older page: the stream version, then one
// picture object at 0, 0 of Width × Height page pixels holding Metafile.
void WriteMetafilePage(TStream* Stream, TMetafile& Metafile, Integer Width, Integer Height);

} // namespace report
