#include "support/ReplacementFile.h"

#include <gtest/gtest.h>

using zul::ReplacementFile;
using Names = std::vector<std::string>;

TEST(ReplacementFile, TemporaryNamesAreAsLongAsTheTargetsAndNeverItsOwn) {
    const Names variants = {"~1", "~2", "~3", "~4", "~5", "~6", "~7", "~8", "~9"};
    auto withVariants = [&](std::string first, const std::string& stem) {
        Names names;
        if (!first.empty())
            names.push_back(first);
        for (const std::string& v : variants)
            names.push_back(stem + v);
        return names;
    };
    EXPECT_EQ(ReplacementFile::TemporaryNames("Sammlung.kvd"),
              withVariants("Sammlung.kv~", "Sammlung.k"));
    EXPECT_EQ(ReplacementFile::TemporaryNames("a"), Names{"~"});
    EXPECT_EQ(ReplacementFile::TemporaryNames("~"), Names{});
    EXPECT_EQ(ReplacementFile::TemporaryNames(""), Names{});
    // A name that already ends like a temporary one skips itself.
    EXPECT_EQ(ReplacementFile::TemporaryNames("liste.kv~"), withVariants("", "liste.k"));
    Names own = withVariants("liste.k~~", "liste.k");
    own.erase(own.begin() + 1);
    EXPECT_EQ(ReplacementFile::TemporaryNames("liste.k~1"), own);
    for (const std::string& name : ReplacementFile::TemporaryNames(std::string(255, 'n')))
        EXPECT_EQ(name.size(), 255u);
}
