// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Sitemap.h"

namespace bellmora {
namespace {

std::u16string Entry(std::u16string_view name, std::u16string_view local) {
    std::u16string text = u"<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"";
    text += name;
    text += u"\">";
    if (!local.empty()) text += u"<param name=\"Local\" value=\"" + std::u16string(local) + u"\">";
    return text + u"</OBJECT>";
}

TEST(ReadSitemap, NestedListsBelongToTheEntryBeforeThem) {
    const std::u16string text =
        u"<HTML><BODY><UL>" + Entry(u"はじめに", u"index.html") + Entry(u"練習する", u"") +
        u"<UL>" + Entry(u"文字を打つ", u"typing.html") + Entry(u"隠す", u"hide.html") + u"</UL>" +
        Entry(u"終了", u"end.html") + u"</UL></BODY></HTML>";
    const std::vector<SitemapEntry> entries = ReadSitemap(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, u"はじめに");
    EXPECT_EQ(entries[0].local, u"index.html");
    EXPECT_EQ(entries[1].local, u"");
    ASSERT_EQ(entries[1].children.size(), 2u);
    EXPECT_EQ(entries[1].children[1].name, u"隠す");
    EXPECT_EQ(entries[1].children[1].local, u"hide.html");
    EXPECT_EQ(entries[2].name, u"終了");
}

TEST(ReadSitemap, TagsAndAttributesIgnoreCaseAndValuesResolveReferences) {
    const std::vector<SitemapEntry> entries = ReadSitemap(
        u"<ul><li><object TYPE='Text/Sitemap'><PARAM NAME=name VALUE=\"A &amp; B "
        u"&#x3042;&#12356;\">"
        u"<Param Name=\"LOCAL\" Value=a%20b.html></object></ul>");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, u"A & B あい");
    EXPECT_EQ(entries[0].local, u"a%20b.html");
}

TEST(ReadSitemap, SkipsPropertiesObjectsCommentsAndEmptyEntries) {
    const std::vector<SitemapEntry> entries = ReadSitemap(
        u"<!DOCTYPE HTML><!-- <UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
        u"value=\"hidden\"></OBJECT> -->"
        u"<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"props\"></OBJECT>"
        u"<UL><LI><OBJECT type=\"text/sitemap\"></OBJECT>" +
        Entry(u"kept", u"k.html") + u"</UL>");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, u"kept");
}

TEST(ReadSitemap, DamagedMarkup_GivesWhatCouldBeRead) {
    EXPECT_TRUE(ReadSitemap(u"").empty());
    EXPECT_TRUE(
        ReadSitemap(u"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"cut")
            .empty());
    const std::vector<SitemapEntry> unbalanced =
        ReadSitemap(u"</UL></UL>" + Entry(u"a", u"a.html") + u"<UL><UL><UL>");
    ASSERT_EQ(unbalanced.size(), 1u);
    EXPECT_EQ(unbalanced[0].name, u"a");
}

TEST(ReadSitemap, VeryDeepNesting_StaysBounded) {
    std::u16string text;
    for (int i = 0; i < 5000; ++i) text += u"<UL>" + Entry(u"x", u"x.html");
    std::vector<SitemapEntry> entries = ReadSitemap(text);
    int depth = 0;
    for (const std::vector<SitemapEntry>* level = &entries; !level->empty();
         level = &level->back().children)
        ++depth;
    EXPECT_LE(depth, 32);
}

}  // namespace
}  // namespace bellmora
