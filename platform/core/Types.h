#pragma once
// Basic types of the platform layer. Text is UTF-8 in std::string throughout.
#include <cstdint>
#include <string>

using String = std::string;
using Integer = std::int32_t;
using Cardinal = std::uint32_t;
using Int64 = std::int64_t;
using Word = std::uint16_t;
using Byte = std::uint8_t;
using Boolean = bool;
using Extended = double;
using Currency = double;
// Days since 1899-12-30; the time of day is the fraction.
using TDateTime = double;
