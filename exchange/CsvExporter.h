#pragma once

#include "core/DiscEntry.h"
#include "exchange/ExportFieldSet.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"

#include <string>

namespace kolvane {

// Writes entries as CSV, one line per entry ending in CR LF: the fields of the
// set in field order, each in double quotes with inner quotes doubled, joined
// by commas. Line breaks inside a field stay between its quotes. No header
// line, no byte-order mark; the bytes are the entries' own.
class CsvExporter {
public:
    explicit CsvExporter(zul::MessageReporter& reporter) : reporter_(reporter) {}

    // True when every line was written; failures have been reported. An
    // existing file is replaced completely, and only by a complete new one:
    // after a failure it is as it was. A progress is told of each entry
    // written.
    bool Export(const DiscCollection& entries, const std::string& path, ExportFieldSet fields,
                zul::Progress* progress = nullptr);

private:
    zul::MessageReporter& reporter_;
    DiscCollection entries_;
};

} // namespace kolvane
