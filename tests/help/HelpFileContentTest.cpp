// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QUrl>

#include <regex>

#include "ChmArchive.h"
#include "HelpTestFiles.h"
#include "HelpText.h"
#include "Sitemap.h"

namespace bellmora {
namespace {

// Checks of the help file this build compiled: everything it points to is in it.
class BuiltHelpFileContent : public testing::Test {
protected:
    void SetUp() override {
        archive_ = ChmArchive::Open(test::BuiltHelpFile());
        ASSERT_TRUE(archive_.has_value());
    }

    std::vector<std::string> Pages() const {
        std::vector<std::string> pages;
        CollectPages(Contents(), pages);
        return pages;
    }

    std::vector<SitemapEntry> Contents() const {
        const std::string* contents = archive_->Find(archive_->ContentsPath());
        return contents ? ReadSitemap(DecodeHelpText(*contents, true).toStdU16String())
                        : std::vector<SitemapEntry>();
    }

    static void CollectPages(const std::vector<SitemapEntry>& entries,
                             std::vector<std::string>& pages) {
        for (const SitemapEntry& entry : entries) {
            if (!entry.local.empty())
                pages.push_back(QString::fromStdU16String(entry.local).toStdString());
            CollectPages(entry.children, pages);
        }
    }

    std::optional<ChmArchive> archive_;
};

TEST_F(BuiltHelpFileContent, DefaultTopicIsInTheFile) {
    EXPECT_NE(archive_->Find(archive_->System().defaultTopic), nullptr);
}

TEST_F(BuiltHelpFileContent, EveryContentsPageIsInTheFile) {
    const std::vector<std::string> pages = Pages();
    EXPECT_EQ(pages.size(), 13u);
    for (const std::string& page : pages) EXPECT_NE(archive_->Find(page), nullptr) << page;
}

TEST_F(BuiltHelpFileContent, EveryLinkAndPictureOfThePagesIsInTheFile) {
    const std::regex reference(R"((?:href|src)="([^"#]+)(#[^"]*)?")");
    for (const std::string& page : Pages()) {
        const std::string& html = *archive_->Find(page);
        for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it) {
            const std::string target = (*it)[1];
            EXPECT_NE(archive_->Find(target), nullptr) << page << " -> " << target;
        }
    }
}

TEST_F(BuiltHelpFileContent, EveryPageDeclaresUtf8AndLinksTheStylesheetAsCss) {
    for (const std::string& page : Pages()) {
        const std::string& html = *archive_->Find(page);
        EXPECT_NE(html.find("charset=utf-8"), std::string::npos) << page;
        // Without the type, Qt's viewer ignores the stylesheet.
        EXPECT_NE(html.find(R"(<link rel="stylesheet" type="text/css" href="help.css">)"),
                  std::string::npos)
            << page;
    }
}

}  // namespace
}  // namespace bellmora
