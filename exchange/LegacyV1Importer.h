#pragma once

#include "exchange/DiscImporter.h"

#include <string>

namespace kolvane {

// Reads the file pair of version 1.x: a data file of fixed 1536-byte records
// (name part ending in "1") and an allocation file with one byte per record
// slot, "1" for a slot in use (name part ending in "2"). Either file, or any
// name of the pair, may be chosen. DOS texts arrive as ANSI texts.
class LegacyV1Importer : public DiscImporter {
public:
    static constexpr int MaxSlots = 200;
    static constexpr int RecordSize = 1536;

    using DiscImporter::DiscImporter;

    bool Import(const std::string& path) override;

    // The record's artist, title, year and non-empty track slots.
    static DiscEntry EntryFromRecord(const unsigned char* record);
};

} // namespace kolvane
