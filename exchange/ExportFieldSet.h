#pragma once

#include "core/DiscEntry.h"

namespace kolvane {

// Which of the six entry fields a CSV export writes: flag i stands for field
// i of DiscEntry and is the bit 1 << i of the byte the set is stored as.
class ExportFieldSet {
public:
    // Everything but the disc id (byte 0x37), for a missing setting.
    static constexpr unsigned char DefaultBits = 0x37;
    static constexpr unsigned char AllBits = 0x3F;

    ExportFieldSet() = default;
    // Bits 6 and 7 have no field and are dropped.
    static ExportFieldSet FromByte(unsigned char bits) {
        ExportFieldSet set;
        set.bits_ = static_cast<unsigned char>(bits & AllBits);
        return set;
    }
    unsigned char ToByte() const { return bits_; }

    bool Has(int field) const {
        return field >= 0 && field < DiscEntry::FieldCount && (bits_ >> field) & 1;
    }
    void Set(int field, bool on) {
        if (field < 0 || field >= DiscEntry::FieldCount)
            return;
        unsigned char bit = static_cast<unsigned char>(1u << field);
        bits_ = static_cast<unsigned char>(on ? (bits_ | bit) : (bits_ & ~bit));
    }
    bool IsEmpty() const { return bits_ == 0; }

    bool operator==(const ExportFieldSet&) const = default;

private:
    unsigned char bits_ = DefaultBits;
};

} // namespace kolvane
