#pragma once
// A record buffer: one buffered record in the dataset's window. Its content is
// the concrete dataset's own (it derives from TRecordBufferData and allocates it
// in AllocRecordBuffer); the base keeps only the values of calculated fields.
#include "platform/data/TFieldData.h"

#include <vector>

class TRecordBufferData {
public:
    TRecordBufferData() = default;
    TRecordBufferData(const TRecordBufferData&) = delete;
    TRecordBufferData& operator=(const TRecordBufferData&) = delete;
    virtual ~TRecordBufferData() = default;

    // Values of the calculated and lookup fields, by their calculation index.
    std::vector<TFieldData> CalcValues;
};

using TRecordBuffer = TRecordBufferData*;
