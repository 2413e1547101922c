#pragma once
// The typed values of one result row while it is built, edited or read back:
// one slot per field, in field-number order (slot 0 is field 1).
#include "platform/core/Types.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace sqlite {

// Which part of a slot holds a field's value; fixed per field for a result.
enum class SlotKind : std::uint8_t {
    Integer, // integer kinds and Boolean (0 or 1)
    Float,   // float, currency, BCD; date, time, date-time and time stamp as TDateTime
    Bytes,   // text and wide text (UTF-8), BLOB, memo and graphic bytes
};

// A float slot with Bytes set holds the engine's text where no value of the
// field's type could be read from it (a stored date that is no date).

struct Slot {
    bool Null = true;
    Int64 Int = 0;
    double Float = 0.0;
    String Bytes;
};

class RowImage {
public:
    RowImage() = default;
    explicit RowImage(std::size_t fieldCount) : FSlots(fieldCount) {}

    std::size_t Count() const { return FSlots.size(); }
    // Sets the number of slots; every slot becomes null and empty.
    void Resize(std::size_t fieldCount) { FSlots.assign(fieldCount, Slot{}); }
    // Every slot null and empty; text capacity already reserved is kept.
    void Clear() {
        for (Slot& s : FSlots) {
            s.Null = true;
            s.Int = 0;
            s.Float = 0.0;
            s.Bytes.clear();
        }
    }

    Slot& operator[](std::size_t index) { return FSlots[index]; }
    const Slot& operator[](std::size_t index) const { return FSlots[index]; }

    void SetInteger(std::size_t index, Int64 value) {
        Slot& s = FSlots[index];
        s.Null = false;
        s.Int = value;
    }
    void SetFloat(std::size_t index, double value) {
        Slot& s = FSlots[index];
        s.Null = false;
        s.Float = value;
        s.Bytes.clear();
    }
    void SetBytes(std::size_t index, std::string_view value) {
        Slot& s = FSlots[index];
        s.Null = false;
        s.Bytes.assign(value.data(), value.size());
    }
    void SetNull(std::size_t index) {
        Slot& s = FSlots[index];
        s.Null = true;
        s.Int = 0;
        s.Float = 0.0;
        s.Bytes.clear();
    }

private:
    std::vector<Slot> FSlots;
};

} // namespace sqlite
