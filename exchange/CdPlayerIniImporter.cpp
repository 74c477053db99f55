#include "exchange/CdPlayerIniImporter.h"

#include "exchange/TextLineReader.h"
#include "resources/resource.h"
#include "support/TextHelpers.h"
#include "support/WhiteSpace.h"

namespace kolvane {

bool CdPlayerIniImporter::Import(const std::string& path) {
    entries_.clear();
    state_ = State::NoSection;
    pendingSection_.clear();
    current_.ClearAll();

    TextLineReader reader;
    if (!reader.Open(path)) {
        Reporter().ReportError(IDS_ERR_002);
        return false;
    }
    reader.SetProgress(progress_);
    std::string line;
    TextLineReader::Result result;
    while ((result = reader.ReadLine(line)) == TextLineReader::Result::Line) {
        TakeLine(line);
        if (state_ == State::Failed)
            break;
    }
    reader.Close();
    // A file that cannot be read to its end is as unusable as a malformed one.
    if (state_ == State::Failed || result == TextLineReader::Result::Failed) {
        entries_.clear();
        Reporter().ReportError(IDS_ERR_003);
        return false;
    }
    if (state_ != State::SectionPending && !current_.IsEmpty())
        entries_.push_back(current_);
    return true;
}

void CdPlayerIniImporter::TakeLine(const std::string& rawLine) {
    std::string_view line = zul::TrimWhiteSpace(rawLine);
    if (line.empty())
        return;

    LineKind kind;
    std::string_view name; // section name, or the value of a key
    if (line.front() == '[') {
        size_t close = line.find(']');
        kind =
            (close == std::string_view::npos || close < 2) ? LineKind::Malformed : LineKind::Header;
        if (kind == LineKind::Header)
            name = line.substr(1, close - 1);
    } else {
        size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            kind = LineKind::Malformed;
        } else {
            std::string_view key = line.substr(0, equals);
            name = line.substr(equals + 1);
            if (key == "Title")
                kind = LineKind::TitleKey;
            else if (key == "Artist")
                kind = LineKind::ArtistKey;
            else if (zul::IsAllDigits(key))
                kind = LineKind::TrackKey;
            else
                kind = LineKind::IgnoredKey;
        }
    }

    if (kind == LineKind::Malformed) {
        state_ = State::Failed;
        return;
    }
    if (kind == LineKind::IgnoredKey)
        return;

    switch (state_) {
    case State::NoSection:
        if (kind != LineKind::Header) {
            state_ = State::Failed;
            return;
        }
        current_.ClearAll();
        current_.DiscId.assign(name);
        state_ = State::InSection;
        return;
    case State::InSection:
        if (kind == LineKind::Header) {
            entries_.push_back(current_);
            pendingSection_.assign(name);
            state_ = State::SectionPending;
            return;
        }
        ApplyKey(kind, name);
        return;
    case State::SectionPending:
        // A section without a single disc key is only tolerated at the end.
        if (kind == LineKind::Header) {
            state_ = State::Failed;
            return;
        }
        current_.ClearAll();
        current_.DiscId = pendingSection_;
        ApplyKey(kind, name);
        state_ = State::InSection;
        return;
    case State::Failed:
        return;
    }
}

void CdPlayerIniImporter::ApplyKey(LineKind kind, std::string_view value) {
    switch (kind) {
    case LineKind::TitleKey:
        current_.Title.assign(value);
        break;
    case LineKind::ArtistKey:
        current_.Artist.assign(value);
        break;
    case LineKind::TrackKey:
        if (!current_.Tracks.empty())
            current_.Tracks += "\r\n";
        current_.Tracks.append(value);
        break;
    default:
        break;
    }
}

} // namespace kolvane
