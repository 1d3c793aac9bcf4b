// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "ChmSystem.h"
#include "HelpTestFiles.h"

namespace bellmora {
namespace {

struct SystemCase {
    const char* name;
    std::string bytes;
    std::string contentsFile;
    std::string defaultTopic;
    std::string title;
};

void PrintTo(const SystemCase& c, std::ostream* out) { *out << c.name; }

class ReadChmSystemCases : public testing::TestWithParam<SystemCase> {};

TEST_P(ReadChmSystemCases, ReadsTheRecords) {
    const SystemCase& c = GetParam();
    const std::optional<ChmSystemInfo> info = ReadChmSystem(c.bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->contentsFile, c.contentsFile);
    EXPECT_EQ(info->defaultTopic, c.defaultTopic);
    EXPECT_EQ(info->title, c.title);
}

std::string CutShort(std::string bytes, std::size_t by) {
    bytes.resize(bytes.size() - by);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadChmSystemCases,
    testing::Values(
        SystemCase{"AllThree", test::SystemFile({{0, "toc.hhc"}, {2, "index.html"}, {3, "Title"}}),
                   "toc.hhc", "index.html", "Title"},
        SystemCase{"OtherRecordsSkipped",
                   test::SystemFile({{9, "HHA Version"}, {4, std::string(36, 'x')}, {2, "a.htm"}}),
                   "", "a.htm", ""},
        SystemCase{"FirstRecordOfAKindCounts",
                   test::SystemFile({{2, "first.html"}, {2, "second.html"}}), "", "first.html", ""},
        SystemCase{"TextEndsAtNul", test::SystemFile({{3, std::string("Help\0junk", 9)}}), "", "",
                   "Help"},
        SystemCase{"OnlyTheVersion", std::string(4, '\0'), "", "", ""},
        SystemCase{"RecordCutShortKeepsEarlierOnes",
                   CutShort(test::SystemFile({{2, "index.html"}, {3, "A long title"}}), 3), "",
                   "index.html", ""},
        SystemCase{"RecordHeadCutShort",
                   test::SystemFile({{2, "index.html"}}) + std::string("\x03\x00", 2), "",
                   "index.html", ""}),
    [](const testing::TestParamInfo<SystemCase>& info) { return info.param.name; });

TEST(ReadChmSystem, WithoutVersion_Fails) {
    EXPECT_FALSE(ReadChmSystem("").has_value());
    EXPECT_FALSE(ReadChmSystem("\x03\x00\x00").has_value());
}

}  // namespace
}  // namespace bellmora
