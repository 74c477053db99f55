#include "exchange/M3uExtReader.h"

#include "exchange/TextLineReader.h"
#include "resources/resource.h"
#include "support/WhiteSpace.h"

namespace kolvane {

namespace {

// Equal when the text starts with the ASCII word, letters in either case.
bool StartsWithFolded(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i])
            return false;
    }
    return true;
}

constexpr std::string_view Header = "#EXTM3U";
constexpr std::string_view InfoTag = "#EXTINF:";
constexpr std::string_view Separator = " - ";

} // namespace

bool M3uExtReader::Read(const std::string& path, M3uTrackList& list) {
    list.Clear();
    TextLineReader reader;
    if (!reader.Open(path)) {
        reporter_.ReportError(IDS_ERR_002);
        return false;
    }
    reader.SetProgress(progress_);

    // A byte-order mark or a blank before the header makes it a different
    // line: only trailing white space is forgiven.
    std::string line;
    if (reader.ReadLine(line) != TextLineReader::Result::Line) {
        reporter_.ReportError(IDS_ERR_003);
        return false;
    }
    std::string_view header = zul::TrimTrailingWhiteSpace(line);
    if (header.size() != Header.size() || !StartsWithFolded(header, Header)) {
        reporter_.ReportError(IDS_ERR_003);
        return false;
    }

    TextLineReader::Result result;
    while ((result = reader.ReadLine(line)) == TextLineReader::Result::Line) {
        std::string_view item = zul::TrimWhiteSpace(line);
        if (!StartsWithFolded(item, InfoTag))
            continue;
        if (!TakeInfoLine(item, list)) {
            list.Clear();
            return false;
        }
    }
    if (result == TextLineReader::Result::Failed) {
        list.Clear();
        return false;
    }
    if (list.Count() == 0) {
        reporter_.ReportWarning(IDS_WARN_503);
        return false;
    }
    return true;
}

bool M3uExtReader::TakeInfoLine(std::string_view line, M3uTrackList& list) {
    size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        reporter_.ReportError(IDS_ERR_003);
        return false;
    }
    // The play time before the comma is of no use for track names.
    std::string_view rest = line.substr(comma + 1);
    M3uTrack track;
    size_t dash = rest.find(Separator);
    if (dash == std::string_view::npos) {
        track.Title.assign(rest);
    } else {
        track.Artist.assign(rest.substr(0, dash));
        track.Title.assign(rest.substr(dash + Separator.size()));
    }
    list.Add(std::move(track));
    return true;
}

} // namespace kolvane
