// The help pages against the topics the program requests, and the pages holding together offline.
#include "resources/HelpTopics.h"
#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Problems = std::vector<std::string>;

fs::path HelpFolder() {
    return fs::path(KV_SOURCE_DIR) / "help";
}

std::string ReadPage(const fs::path& file) {
    return kvtest::ReadText(file.string());
}

// Values of an attribute anywhere in a page; after white space, so href misses data-href.
std::vector<std::string> AttributeValues(const std::string& page, const std::string& name) {
    const std::regex attribute("\\s" + name + "=(\"([^\"]*)\"|'([^']*)')", std::regex::icase);
    std::vector<std::string> values;
    for (std::sregex_iterator at(page.begin(), page.end(), attribute), end; at != end; ++at)
        values.push_back((*at)[2].matched ? (*at)[2].str() : (*at)[3].str());
    return values;
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files{fs::directory_iterator(folder), fs::directory_iterator()};
    std::sort(files.begin(), files.end());
    return files;
}

std::map<fs::path, std::set<std::string>> IdsIn(const fs::path& folder) {
    std::map<fs::path, std::set<std::string>> ids;
    for (const fs::path& file : FilesIn(folder)) {
        const std::vector<std::string> values = AttributeValues(ReadPage(file), "id");
        ids[file] = {values.begin(), values.end()};
    }
    return ids;
}

// A topic is "page" or "page#anchor", split at the last "#".
Problems MissingTopics(const fs::path& folder, const std::vector<std::string>& topics) {
    Problems problems;
    auto ids = IdsIn(folder);
    for (const std::string& topic : topics) {
        const size_t hash = topic.rfind('#');
        const fs::path page = folder / topic.substr(0, hash);
        const std::string anchor = hash == std::string::npos ? "" : topic.substr(hash + 1);
        if (!fs::is_regular_file(page))
            problems.push_back("page missing: " + topic);
        else if (!anchor.empty() && ids[page].count(anchor) == 0)
            problems.push_back("anchor missing: " + topic);
        else if (!anchor.empty() &&
                 ReadPage(page).find("<a name=\"" + anchor + "\"></a>") == std::string::npos)
            problems.push_back("no anchor for old browsers: " + topic);
    }
    return problems;
}

Problems BrokenReferences(const fs::path& folder) {
    Problems problems;
    auto ids = IdsIn(folder);
    for (const fs::path& file : FilesIn(folder)) {
        const std::string name = file.filename().string();
        const std::string page = ReadPage(file);
        if (file.extension() == ".css" && page.find("url(") != std::string::npos)
            problems.push_back(name + ": loads a resource");
        if (file.extension() != ".html")
            continue;
        if (std::regex_search(page, std::regex("<script", std::regex::icase)))
            problems.push_back(name + ": has a script");
        for (const std::string& ref : AttributeValues(page, "(?:href|src)")) {
            const size_t colon = ref.find(':');
            const size_t hash = ref.find('#');
            const std::string anchor = hash == std::string::npos ? "" : ref.substr(hash + 1);
            const std::string path = ref.substr(0, hash);
            const fs::path target = path.empty() ? file : folder / path;
            if (ref.rfind("//", 0) == 0 ||
                (colon != std::string::npos && colon < ref.find_first_of("/#?")))
                problems.push_back(name + ": leaves the help folder: " + ref);
            else if (!fs::is_regular_file(target))
                problems.push_back(name + ": link to a missing file: " + ref);
            else if (!anchor.empty() && ids[target].count(anchor) == 0)
                problems.push_back(name + ": link to a missing anchor: " + ref);
        }
    }
    return problems;
}

std::vector<std::string> AllTopics() {
    std::vector<std::string> topics{kolvane::HelpStartPage};
    topics.insert(topics.end(), kolvane::DialogHelpTopics.begin(), kolvane::DialogHelpTopics.end());
    for (const auto& message : kolvane::MessageHelpTopics)
        topics.push_back(message.topic);
    return topics;
}

TEST(HelpPages, EveryTopicExistsAndThePagesHoldTogetherOffline) {
    EXPECT_EQ(MissingTopics(HelpFolder(), AllTopics()), Problems{});
    EXPECT_EQ(BrokenReferences(HelpFolder()), Problems{});
}

TEST(HelpPages, MessageTopicsFollowTheMessageNumbers) {
    std::vector<std::pair<int, std::string>> expected;
    for (int n = 0; n <= 15; ++n) {
        char anchor[8];
        std::snprintf(anchor, sizeof anchor, "l_e%03d", n);
        expected.emplace_back(2500 + n, std::string("ref_meldungen.html#") + anchor);
    }
    for (int n = 0; n <= 2; ++n)
        expected.emplace_back(2800 + n, "ref_meldungen.html#l_w50" + std::to_string(n + 1));
    std::vector<std::pair<int, std::string>> actual;
    for (const auto& message : kolvane::MessageHelpTopics)
        actual.emplace_back(message.messageId, message.topic);
    EXPECT_EQ(actual, expected);
}

// The checks above on a help folder with every kind of fault.
TEST(HelpPageChecks, ReportWhatIsMissingBrokenOrUnsafe) {
    const fs::path broken = fs::path(KV_SOURCE_DIR) / "exchange/tests/data/broken-help";
    EXPECT_EQ(MissingTopics(broken, {"a.html#x", "a.html#y", "c.html", "a.html#here"}),
              (Problems{"no anchor for old browsers: a.html#x", "anchor missing: a.html#y",
                        "page missing: c.html"}));
    EXPECT_EQ(BrokenReferences(broken),
              (Problems{"a.html: has a script", "a.html: link to a missing anchor: #gone",
                        "a.html: link to a missing file: c.html",
                        "a.html: link to a missing anchor: b.html#nowhere",
                        "a.html: leaves the help folder: https://x.test/i.png",
                        "a.html: leaves the help folder: mailto:someone",
                        "style.css: loads a resource"}));
}

} // namespace
