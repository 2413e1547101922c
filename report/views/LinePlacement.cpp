#include "report/views/detail/LinePlacement.h"

#include "report/views/detail/rpCoordinates.h"

namespace report {

Int64 LinePlacement::Start(Integer Line) const {
    // In double: a damaged page's step times its line count passes any Integer.
    return First + RoundCoordinate(static_cast<double>(Line) * Step * Scale);
}

} // namespace report
