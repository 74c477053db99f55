// The help pages in help/ against the topics the program requests: every topic must open a page
// that exists, at an anchor that exists, and the pages must hold together offline. The topics are
// the program's, so the test lives in the highest folder with portable tests, not in support/.

#include "resources/HelpTopics.h"
#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Problems = std::vector<std::string>;

fs::path HelpFolder() {
    return fs::path(KV_SOURCE_DIR) / "help";
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

std::string ReadPage(const fs::path& file) {
    return kvtest::ReadText(file.string());
}

// Values of an attribute (written name="value" or name='value') anywhere in a page. The name must
// stand after white space, so that href does not match inside data-href.
std::vector<std::string> AttributeValues(const std::string& page, const std::string& name) {
    std::vector<std::string> values;
    const std::string lower = LowerAscii(page);
    const std::string key = name + "=";
    for (size_t at = lower.find(key); at != std::string::npos; at = lower.find(key, at + 1)) {
        if (at == 0 || std::string(" \t\r\n").find(lower[at - 1]) == std::string::npos)
            continue;
        size_t open = at + key.size();
        if (open >= page.size() || (page[open] != '"' && page[open] != '\''))
            continue;
        size_t close = page.find(page[open], open + 1);
        if (close == std::string::npos)
            continue;
        values.push_back(page.substr(open + 1, close - open - 1));
    }
    return values;
}

std::set<std::string> IdsOf(const std::string& page) {
    std::vector<std::string> ids = AttributeValues(page, "id");
    return {ids.begin(), ids.end()};
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files{fs::directory_iterator(folder), fs::directory_iterator()};
    std::sort(files.begin(), files.end());
    return files;
}

// A topic is "page" or "page#anchor"; the program splits at the last "#". An
// anchor is also written <a name=...> for old browsers.
Problems MissingTopics(const fs::path& folder, const std::vector<std::string>& topics) {
    Problems problems;
    for (const std::string& topic : topics) {
        size_t hash = topic.rfind('#');
        std::string page = topic.substr(0, hash);
        std::string anchor = hash == std::string::npos ? "" : topic.substr(hash + 1);
        if (!fs::is_regular_file(folder / page)) {
            problems.push_back("page missing: " + topic);
        } else if (!anchor.empty() && IdsOf(ReadPage(folder / page)).count(anchor) == 0) {
            problems.push_back("anchor missing: " + topic);
        } else if (!anchor.empty() &&
                   ReadPage(folder / page).find("<a name=\"" + anchor + "\"></a>") ==
                       std::string::npos) {
            problems.push_back("no anchor for old browsers: " + topic);
        }
    }
    return problems;
}

// Links and embedded resources must stay inside the help folder and hit existing pages and
// anchors; the pages run no scripts and reach nothing on the network.
Problems BrokenReferences(const fs::path& folder) {
    Problems problems;
    std::map<fs::path, std::set<std::string>> idsByFile;
    auto idsOf = [&idsByFile](const fs::path& file) -> const std::set<std::string>& {
        auto found = idsByFile.find(file);
        if (found == idsByFile.end())
            found = idsByFile.emplace(file, IdsOf(ReadPage(file))).first;
        return found->second;
    };
    for (const fs::path& file : FilesIn(folder)) {
        const std::string name = file.filename().string();
        const std::string page = ReadPage(file);
        if (file.extension() == ".css" && page.find("url(") != std::string::npos)
            problems.push_back(name + ": loads a resource");
        if (file.extension() != ".html")
            continue;
        if (LowerAscii(page).find("<script") != std::string::npos)
            problems.push_back(name + ": has a script");
        std::vector<std::string> refs = AttributeValues(page, "href");
        std::vector<std::string> sources = AttributeValues(page, "src");
        refs.insert(refs.end(), sources.begin(), sources.end());
        for (const std::string& ref : refs) {
            size_t colon = ref.find(':');
            size_t end = ref.find_first_of("/#?");
            if (ref.rfind("//", 0) == 0 || (colon != std::string::npos && colon < end)) {
                problems.push_back(name + ": leaves the help folder: " + ref);
                continue;
            }
            size_t hash = ref.find('#');
            std::string target = ref.substr(0, hash);
            std::string anchor = hash == std::string::npos ? "" : ref.substr(hash + 1);
            fs::path targetFile = target.empty() ? file : folder / target;
            if (!fs::is_regular_file(targetFile)) {
                problems.push_back(name + ": link to a missing file: " + ref);
            } else if (!anchor.empty() && idsOf(targetFile).count(anchor) == 0) {
                problems.push_back(name + ": link to a missing anchor: " + ref);
            }
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

// The checks above must notice what they look for; here they run on a help
// folder with every kind of fault.
TEST(HelpPageChecks, ReportWhatIsMissingBrokenOrUnsafe) {
    const fs::path broken = fs::path(KV_SOURCE_DIR) / "exchange/tests/data/broken-help";
    EXPECT_EQ(MissingTopics(broken, {"a.html#x", "a.html#y", "c.html", "a.html#here"}),
              (Problems{"no anchor for old browsers: a.html#x", "anchor missing: a.html#y",
                        "page missing: c.html"}));
    EXPECT_EQ(BrokenReferences(broken),
              (Problems{"a.html: has a script", "a.html: link to a missing anchor: #gone",
                        "a.html: link to a missing file: c.html",
                        "a.html: link to a missing anchor: b.html#nowhere",
                        "a.html: leaves the help folder: mailto:someone",
                        "a.html: leaves the help folder: https://x.test/i.png",
                        "style.css: loads a resource"}));
}

} // namespace
