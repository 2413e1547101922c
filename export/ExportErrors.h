#pragma once
// Failures of an export run that the run tells apart from the rest.
#include "platform/core/Exceptions.h"

namespace vge {

// Raised by a format whose file holds no more rows. What was written up to
// then makes a complete file, which is kept; Rows is how many rows it holds.
class ERowLimit : public Exception {
public:
    ERowLimit(String Message, Integer Rows) : Exception(std::move(Message)), FRows(Rows) {}
    const char* ClassName() const noexcept override { return "ERowLimit"; }
    Integer Rows() const { return FRows; }

private:
    Integer FRows;
};

// What the user is told when FileName was cut at Rows rows (in Hungarian).
String RowLimitMessage(const String& FileName, Integer Rows);

} // namespace vge
