#include "report/files/TrpCompressor.h"

TrpCompressor* rpCompressor = nullptr;

void TrpCompressor::Compress(TStream*, TStream*) {}

void TrpCompressor::DeCompress(TStream*, TStream*) {}
