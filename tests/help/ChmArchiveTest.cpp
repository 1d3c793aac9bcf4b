// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>

#include "ChmArchive.h"
#include "ChmIsolatedUnpack.h"
#include "HelpTestFiles.h"

namespace bellmora {
namespace {

using test::Damage;

TEST(ChmArchive, Open_BuiltHelpFile_ReadsItsSystemRecords) {
    const std::optional<ChmArchive> archive = ChmArchive::Open(test::BuiltHelpFile());
    ASSERT_TRUE(archive.has_value());
    EXPECT_EQ(archive->System().defaultTopic, "index.html");
    EXPECT_EQ(archive->System().title, "Bellmora ヘルプ");
    EXPECT_EQ(archive->ContentsPath(), "/QorvHelp.hhc");
}

TEST(ChmArchive, Find_IgnoresLetterCaseAndTheLeadingSlash) {
    const std::optional<ChmArchive> archive = ChmArchive::Open(test::BuiltHelpFile());
    ASSERT_TRUE(archive.has_value());
    const std::string* page = archive->Find("/index.html");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(archive->Find("index.html"), page);
    EXPECT_EQ(archive->Find("/INDEX.HTML"), page);
    EXPECT_EQ(archive->Find("Index.Html"), page);
    EXPECT_NE(archive->Find("pictures/Countdown.PNG"), nullptr);
    EXPECT_EQ(archive->Find("/nothere.html"), nullptr);
    EXPECT_NE(page->find("<title>はじめに</title>"), std::string::npos);
}

TEST(ChmArchive, Open_ObjectsOverTheLimit_AreLeftOutAndTheRestKept) {
    ChmLimits limits;
    limits.maxObjectBytes = 20000;  // the window picture is larger
    const std::optional<ChmArchive> archive = ChmArchive::Open(test::BuiltHelpFile(), limits);
    ASSERT_TRUE(archive.has_value());
    EXPECT_EQ(archive->Find("/pictures/window-parts.png"), nullptr);
    EXPECT_NE(archive->Find("/pictures/countdown.png"), nullptr);
    EXPECT_NE(archive->Find("/index.html"), nullptr);
}

struct DamagedCase {
    const char* name;
    Damage damage;
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }

class ChmArchiveDamaged : public testing::TestWithParam<DamagedCase> {};

TEST_P(ChmArchiveDamaged, Open_DamagedFile_FailsWithinTheDeadline) {
    test::TempFolder folder;
    const auto file = folder.Path() / "QorvHelp.chm";
    test::WriteBytes(file,
                     test::Damaged(test::ReadBytes(test::BuiltHelpFile()), GetParam().damage));
    ChmLimits limits;
    limits.deadlineMilliseconds = 1000;

    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(ChmArchive::Open(file, limits).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChmArchiveDamaged,
    testing::Values(DamagedCase{"Empty", Damage::Empty},
                    DamagedCase{"RandomBytes", Damage::RandomBytes},
                    DamagedCase{"TruncatedToHeader", Damage::TruncatedToHeader},
                    DamagedCase{"TruncatedAtHalf", Damage::TruncatedAtHalf},
                    DamagedCase{"WithoutSystem", Damage::WithoutSystem},
                    DamagedCase{"CrashesTheLibrary", Damage::CrashesTheLibrary},
                    DamagedCase{"DirectoryLoopsOnItself", Damage::DirectoryLoopsOnItself}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

TEST(UnpackChmIsolated, ChildThatNeverAnswers_IsGivenUpAtTheDeadline) {
    test::TempFolder folder;
    const auto pipe = folder.Path() / "stuck.chm";  // opening it waits for a writer forever
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ChmLimits limits;
    limits.deadlineMilliseconds = 300;

    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(UnpackChmIsolated(pipe.string(), limits).has_value());
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_GE(took, std::chrono::milliseconds(300));
    EXPECT_LT(took, std::chrono::seconds(3));
}

TEST(ChmArchive, Open_FolderOrMissingFile_Fails) {
    test::TempFolder folder;
    EXPECT_FALSE(ChmArchive::Open(folder.Path()).has_value());
    EXPECT_FALSE(ChmArchive::Open(folder.Path() / "none.chm").has_value());
}

TEST(ChmArchive, FromObjects_WithoutSystem_Fails) {
    EXPECT_FALSE(ChmArchive::FromObjects({{"/index.html", "<p>x</p>"}}).has_value());
}

TEST(ChmArchive, ContentsPath_WithoutRecord_TakesTheOnlyTopLevelContentsFile) {
    const auto one =
        ChmArchive::FromObjects({{"/#SYSTEM", test::SystemFile({})}, {"/Toc.HHC", ""}});
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->ContentsPath(), "/Toc.HHC");
    const auto two = ChmArchive::FromObjects(
        {{"/#SYSTEM", test::SystemFile({})}, {"/a.hhc", ""}, {"/b.hhc", ""}, {"/sub/c.hhc", ""}});
    ASSERT_TRUE(two.has_value());
    EXPECT_EQ(two->ContentsPath(), "");
}

TEST(ChmObjectsWire, DecodeGivesBackWhatWasEncoded) {
    const ChmObjects objects{
        {"/a.html", "<p>あ</p>"}, {"/empty", ""}, {"/#SYSTEM", std::string("\0\1\2", 3)}};
    EXPECT_EQ(DecodeChmObjects(EncodeChmObjects(objects)), objects);
}

TEST(ChmObjectsWire, Decode_AnswerCutInsideAnObject_Fails) {
    const ChmObjects first{{"/a.html", "page"}};
    const std::string wire = EncodeChmObjects({{"/a.html", "page"}, {"/b.png", "picture"}});
    const std::size_t boundary = EncodeChmObjects(first).size();
    for (std::size_t length = 1; length < wire.size(); ++length) {
        const std::optional<ChmObjects> decoded = DecodeChmObjects(wire.substr(0, length));
        if (length == boundary)
            EXPECT_EQ(decoded, first);
        else
            EXPECT_FALSE(decoded.has_value()) << "cut at " << length;
    }
}

}  // namespace
}  // namespace bellmora
