#include "cleaner/numbers.h"

#include <gtest/gtest.h>

using namespace brisko::cleaner;

TEST(Numbers, LeadingNumberReadsLeniently) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("1000"), 1000);
    EXPECT_EQ(LeadingNumber("  23 bytes"), 23);
    EXPECT_EQ(LeadingNumber("12abc"), 12);
    EXPECT_EQ(LeadingNumber("-7"), -7);
    EXPECT_EQ(LeadingNumber("1.5e3x"), 1500);
    EXPECT_EQ(LeadingNumber("2e"), 2);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("1e999"), 0);  // an overflowing text counts as no number
}

TEST(Numbers, WholeNumberAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(WholeNumber("1"), 1);
    EXPECT_EQ(WholeNumber(" 0 "), 0);
    EXPECT_EQ(WholeNumber("+1"), 1);
    EXPECT_FALSE(WholeNumber(""));
    EXPECT_FALSE(WholeNumber("yes"));
    EXPECT_FALSE(WholeNumber("1.5"));
    EXPECT_FALSE(WholeNumber("99999999999999999999"));
}

TEST(Numbers, DecimalTextKeepsWholeByteCounts) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(5368709120.0), "5368709120");
    EXPECT_EQ(DecimalText(1.5), "1.5");
    EXPECT_EQ(DecimalText(1e20), "1e+20");
}
