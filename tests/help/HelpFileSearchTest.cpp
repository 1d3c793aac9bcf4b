// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "HelpFileSearch.h"
#include "HelpTestFiles.h"

namespace bellmora {
namespace {

TEST(FindHelpFile, TakesTheFirstFolderThatHoldsTheFile) {
    test::TempFolder first, second, third;
    test::WriteBytes(second.Path() / "QorvHelp.chm", "second");
    test::WriteBytes(third.Path() / "QorvHelp.chm", "third");
    std::filesystem::create_directory(first.Path() / "QorvHelp.chm");  // a folder is not the file

    const auto found = FindHelpFile(u"QorvHelp.chm", {first.Path(), second.Path(), third.Path()});
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, second.Path() / "QorvHelp.chm");
}

TEST(FindHelpFile, NameWithAFolder_IsTakenAsItIs) {
    test::TempFolder given, searched;
    test::WriteBytes(given.Path() / "h.chm", "given");
    test::WriteBytes(searched.Path() / "h.chm", "searched");
    const std::u16string name = (given.Path() / "h.chm").u16string();
    EXPECT_EQ(FindHelpFile(name, {searched.Path()}), given.Path() / "h.chm");
    EXPECT_FALSE(
        FindHelpFile((given.Path() / "none.chm").u16string(), {searched.Path()}).has_value());
}

TEST(FindHelpFile, NoFolderHoldsIt_FindsNothing) {
    test::TempFolder empty;
    EXPECT_FALSE(FindHelpFile(u"QorvHelp.chm", {empty.Path()}).has_value());
    EXPECT_FALSE(FindHelpFile(u"", {empty.Path()}).has_value());
}

TEST(HelpFolders, WorkingFolderComesFirstThenTheDataBesideTheProgramThenTheProgramsFolder) {
    test::TempFolder folder;
    test::WorkingFolder working(folder.Path());
    const std::vector<std::filesystem::path> folders = HelpFolders("/opt/bellmora/bin");
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0], std::filesystem::current_path());
    EXPECT_EQ(folders[1], "/opt/bellmora/share/bellmora");
    EXPECT_EQ(folders[2], "/opt/bellmora/bin");
}

}  // namespace
}  // namespace bellmora
