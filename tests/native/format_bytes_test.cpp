#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cleaner/format_kb.h"

using brisko::cleaner::FormatBytes;

TEST(FormatBytes, BytesBelowOneKilobyte) {
    EXPECT_EQ(FormatBytes(0), "0 bytes");
    EXPECT_EQ(FormatBytes(65), "65 bytes");
    EXPECT_EQ(FormatBytes(1023), "1023 bytes");
    EXPECT_EQ(FormatBytes(-5), "-5 bytes");
    EXPECT_EQ(FormatBytes(-2048), "-2048 bytes");
    EXPECT_EQ(FormatBytes(12.5), "12.5 bytes");
}

TEST(FormatBytes, UnitsAndRounding) {
    EXPECT_EQ(FormatBytes(1024), "1.00 KB");
    EXPECT_EQ(FormatBytes(1536), "1.50 KB");
    EXPECT_EQ(FormatBytes(1152), "1.13 KB");  // 1.125: an exact half goes away from zero
    EXPECT_EQ(FormatBytes(1048575), "1024.00 KB");
    EXPECT_EQ(FormatBytes(1048576), "1.00 MB");
    EXPECT_EQ(FormatBytes(1593835.52), "1.52 MB");
    EXPECT_EQ(FormatBytes(1073741824), "1.00 GB");
    EXPECT_EQ(FormatBytes(5368709120.0), "5.00 GB");
    EXPECT_EQ(FormatBytes(1099511627776.0), "1.00 TB");
    EXPECT_EQ(FormatBytes(std::pow(1024.0, 5)), "1.00 PB");
    EXPECT_EQ(FormatBytes(std::pow(1024.0, 6)), "1.00 EB");
    EXPECT_EQ(FormatBytes(std::pow(1024.0, 7)), "1.00 ZB");
    EXPECT_EQ(FormatBytes(std::pow(1024.0, 8)), "1.00 YB");
    EXPECT_EQ(FormatBytes(std::pow(1024.0, 9)), "1024.00 YB");
    EXPECT_EQ(FormatBytes(std::pow(1024.0, 10)), "1048576.00 YB");
}

TEST(FormatBytes, UsesTheLocaleSeparatorAndRefusesWhatIsNotFinite) {
    EXPECT_EQ(FormatBytes(1536, ","), "1,50 KB");
    EXPECT_EQ(FormatBytes(65, ","), "65 bytes");
    EXPECT_FALSE(FormatBytes(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(FormatBytes(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_EQ(FormatBytes(std::numeric_limits<double>::max()).value().substr(0, 4), "1487");
}
