// Numbers read leniently from stored texts, and byte counts shown in units.
#include "cleaner/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cleaner/format_kb.h"

using namespace brisko::cleaner;

TEST(Numbers, LeadingWholeAndDecimalTextsAndBytesInUnits) {
    const std::pair<const char*, double> leading[] = {
        {"", 0},    {"abc", 0}, {"1000", 1000},   {"  23 bytes", 23}, {"12abc", 12}, {"-7", -7},
        {"+3", 3},  {"\t5", 5}, {"1.5e3x", 1500}, {"2E2", 200},       {"1e+2", 100}, {"2e", 2},
        {"2e+", 2}, {".", 0},   {".5", 0.5},      {"1e999", 0}};
    for (auto [text, n] : leading) EXPECT_EQ(LeadingNumber(text), n) << text;
    const std::pair<const char*, std::optional<int>> whole[] = {
        {"1", 1}, {" 0 ", 0},  {"+1", 1},   {"\t2\t", 2},
        {"", {}}, {"yes", {}}, {"1.5", {}}, {"99999999999999999999", {}}};
    for (auto [text, n] : whole) EXPECT_EQ(WholeNumber(text), n) << text;
    const std::pair<double, const char*> decimal[] = {
        {0.0, "0"}, {5368709120.0, "5368709120"}, {1.5, "1.5"}, {1e15, "1e+15"}, {1e20, "1e+20"}};
    for (auto [n, text] : decimal) EXPECT_EQ(DecimalText(n), text);
    // Bytes in units: 1152 is 1.125 KB, an exact half goes away from zero.
    const std::pair<double, const char*> cases[] = {
        {0, "0 bytes"},          {65, "65 bytes"},          {1023, "1023 bytes"},
        {-5, "-5 bytes"},        {-2048, "-2048 bytes"},    {12.5, "12.5 bytes"},
        {1024, "1.00 KB"},       {1536, "1.50 KB"},         {1152, "1.13 KB"},
        {1048575, "1024.00 KB"}, {1048576, "1.00 MB"},      {1593835.52, "1.52 MB"},
        {1073741824, "1.00 GB"}, {5368709120.0, "5.00 GB"}, {1099511627776.0, "1.00 TB"}};
    const char* powers[] = {"1.00 PB", "1.00 EB",    "1.00 ZB",
                            "1.00 YB", "1024.00 YB", "1048576.00 YB"};
    for (int p = 5; p <= 10; ++p) EXPECT_EQ(FormatBytes(std::pow(1024.0, p)), powers[p - 5]);
    for (auto [bytes, shown] : cases) EXPECT_EQ(FormatBytes(bytes), shown) << bytes;
    EXPECT_TRUE(FormatBytes(1536, ",") == "1,50 KB" && FormatBytes(65, ",") == "65 bytes");
    using Limits = std::numeric_limits<double>;
    EXPECT_FALSE(FormatBytes(Limits::infinity()) || FormatBytes(Limits::quiet_NaN()));
    EXPECT_EQ(FormatBytes(Limits::max()).value().substr(0, 4), "1487");
}
