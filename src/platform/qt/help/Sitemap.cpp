// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sitemap.h"

#include <optional>

#include "HtmlTag.h"
#include "Text.h"

namespace bellmora {

namespace {

constexpr std::size_t kMaxDepth = 32;
constexpr std::size_t kMaxEntries = 10000;

class SitemapBuilder {
public:
    SitemapBuilder() { lists_.push_back(&root_); }

    void Take(const HtmlTag& tag) {
        if (tag.name == u"ul") return tag.closing ? CloseList() : OpenList();
        if (tag.name == u"object") return tag.closing ? CloseObject() : OpenObject(tag);
        if (tag.name == u"param" && entry_) TakeParam(tag);
    }

    std::vector<SitemapEntry> Result() { return std::move(root_); }

private:
    // A nested list belongs to the entry just before it.
    void OpenList() {
        std::vector<SitemapEntry>& current = *lists_.back();
        if (lists_.size() >= kMaxDepth || current.empty()) return lists_.push_back(&current);
        lists_.push_back(&current.back().children);
    }

    void CloseList() {
        if (lists_.size() > 1) lists_.pop_back();
    }

    void OpenObject(const HtmlTag& tag) {
        if (AsciiLower(tag.Attribute(u"type")) == u"text/sitemap") entry_.emplace();
    }

    void CloseObject() {
        if (!entry_) return;
        const bool useful = !entry_->name.empty() || !entry_->local.empty();
        if (useful && count_ < kMaxEntries) {
            lists_.back()->push_back(std::move(*entry_));
            ++count_;
        }
        entry_.reset();
    }

    void TakeParam(const HtmlTag& tag) {
        const std::u16string name = AsciiLower(tag.Attribute(u"name"));
        std::u16string& field = name == u"name" ? entry_->name : entry_->local;
        if ((name == u"name" || name == u"local") && field.empty()) field = tag.Attribute(u"value");
    }

    std::vector<SitemapEntry> root_;
    std::vector<std::vector<SitemapEntry>*> lists_;  // the open lists, innermost last
    std::optional<SitemapEntry> entry_;              // the object being read
    std::size_t count_ = 0;
};

}  // namespace

std::vector<SitemapEntry> ReadSitemap(std::u16string_view text) {
    SitemapBuilder builder;
    HtmlTagScanner scanner(text);
    while (std::optional<HtmlTag> tag = scanner.Next()) builder.Take(*tag);
    return builder.Result();
}

}  // namespace bellmora
