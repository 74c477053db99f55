#include "exchange/CsvExporter.h"

#include "resources/resource.h"
#include "support/ReplacementFile.h"

#include <cstdint>
#include <string_view>

namespace kolvane {

namespace {

// Lines are gathered and written in pieces of this size rather than one call
// per line.
constexpr size_t WriteChunk = 65536;

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out += '"';
}

bool WriteOut(std::FILE* file, std::string& pending) {
    bool ok = std::fwrite(pending.data(), 1, pending.size(), file) == pending.size();
    pending.clear();
    return ok;
}

} // namespace

bool CsvExporter::Export(const DiscCollection& entries, const std::string& path,
                         ExportFieldSet fields, zul::Progress* progress) {
    entries_ = entries;
    // Written beside the file and put in its place once complete: a failed
    // export leaves the previous file whole.
    zul::ReplacementFile replacement(path);
    if (!replacement.Create()) {
        reporter_.ReportError(IDS_ERR_012);
        return false;
    }
    std::FILE* file = replacement.Stream();

    std::string pending;
    pending.reserve(WriteChunk * 2);
    bool ok = true;
    std::uint64_t done = 0;
    for (const DiscEntry& entry : entries_) {
        bool fieldWritten = false;
        for (int field = 0; field < DiscEntry::FieldCount; ++field) {
            if (!fields.Has(field))
                continue;
            if (fieldWritten)
                pending += ',';
            AppendQuoted(pending, entry.Field(field));
            fieldWritten = true;
        }
        pending += "\r\n";
        if (pending.size() >= WriteChunk && !WriteOut(file, pending)) {
            ok = false;
            break;
        }
        if (progress != nullptr)
            progress->Advance(++done, entries_.size());
    }
    if (ok && !WriteOut(file, pending))
        ok = false;
    // Closing flushes the C library's own buffer, so it can fail as well.
    if (!replacement.Finish())
        ok = false;
    if (!ok) {
        reporter_.ReportError(IDS_ERR_001);
        return false;
    }
    // A file that cannot be replaced (held open by another program) is one
    // that cannot be opened for writing.
    if (!replacement.ReplaceTarget()) {
        reporter_.ReportError(IDS_ERR_012);
        return false;
    }
    return true;
}

} // namespace kolvane
