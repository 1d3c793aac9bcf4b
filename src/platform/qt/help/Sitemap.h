// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bellmora {

// One line of a help file's table of contents.
struct SitemapEntry {
    std::u16string name;  // the text shown
    std::u16string
        local;  // the page it opens, as written (relative to the contents file); may be empty
    std::vector<SitemapEntry> children;
};

// Reads a contents file (.hhc): nested <UL> lists whose <LI> items hold an
// <OBJECT type="text/sitemap"> with <param name="Name" value=...> and
// <param name="Local" value=...>. Tag and attribute names ignore case. Damaged markup gives
// whatever entries could be read; nesting deeper than a few dozen levels is kept flat.
std::vector<SitemapEntry> ReadSitemap(std::u16string_view text);

}  // namespace bellmora
