#include "support/TextCase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Texts up to five letters (a A ä Ä ß x) against every needle up to three letters.
TEST(TextCase, FinderAgreesWithUpperCasingAndSearching) {
    const std::string alphabet = "aA\xE4\xC4\xDFx";
    auto words = [&](int maxLength) {
        std::vector<std::string> all{""};
        for (size_t from = 0; from < all.size(); ++from) {
            if (all[from].size() < static_cast<size_t>(maxLength)) {
                for (char letter : alphabet)
                    all.push_back(all[from] + letter);
            }
        }
        return all;
    };
    std::vector<std::string> needles;
    std::vector<zul::UpperCaseFinder> finders;
    for (const std::string& word : words(3)) {
        needles.push_back(zul::UpperCased1252(word));
        finders.emplace_back(needles.back());
    }
    for (const std::string& text : words(5)) {
        const std::string upper = zul::UpperCased1252(text);
        for (size_t n = 0; n < needles.size(); ++n)
            ASSERT_EQ(finders[n].FoundIn(text), upper.find(needles[n]) != std::string::npos)
                << "text '" << text << "' needle '" << needles[n] << "'";
    }
}

TEST(TextCase, UpperCaseFollowsCodePage1252) {
    EXPECT_EQ(zul::UpperCased1252("a\xE4\xF6\xFC\xDF\xFF\x9A\xF7\xB5z"),
              "A\xC4\xD6\xDC\xDF\x9F\x8A\xF7\xB5Z");
}
