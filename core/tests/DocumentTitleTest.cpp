#include "core/DocumentTitle.h"

#include <gtest/gtest.h>

using kolvane::DocumentTitle;

TEST(DocumentTitle, TheFourStates) {
    const char* app = "Kolvane-Verwaltung";
    EXPECT_EQ(DocumentTitle(false, "", app), "Kolvane-Verwaltung");
    EXPECT_EQ(DocumentTitle(true, "", app), " * Kolvane-Verwaltung");
    EXPECT_EQ(DocumentTitle(false, "discs.kvd", app), "discs.kvd - Kolvane-Verwaltung");
    EXPECT_EQ(DocumentTitle(true, "discs.kvd", app), " * discs.kvd - Kolvane-Verwaltung");
}
