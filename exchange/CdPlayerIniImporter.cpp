#include "exchange/CdPlayerIniImporter.h"

#include "exchange/TextLineReader.h"
#include "resources/resource.h"
#include "support/TextCase.h"
#include "support/TextHelpers.h"
#include "support/WhiteSpace.h"

namespace kolvane {

bool CdPlayerIniImporter::Import(const std::string& path) {
    entries_.clear();
    state_ = State::NoSection;
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
    if (state_ == State::InSection)
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
            // The CD player writes "title" and "artist"; Windows reads keys in
            // any letter case, and so does this.
            if (zul::CompareFoldingAscii(key, "title") == 0)
                kind = LineKind::TitleKey;
            else if (zul::CompareFoldingAscii(key, "artist") == 0)
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

    if (kind == LineKind::Header) {
        // Every section is a disc, also one that holds none of the disc keys.
        if (state_ == State::InSection)
            entries_.push_back(current_);
        current_.ClearAll();
        current_.DiscId.assign(name);
        state_ = State::InSection;
        return;
    }
    if (state_ != State::InSection) { // a disc key before the first section
        state_ = State::Failed;
        return;
    }
    ApplyKey(kind, name);
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
