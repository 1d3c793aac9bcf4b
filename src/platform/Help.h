// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace bellmora {

// The help component: shows the named compiled help file and closes its own windows.
class Help {
public:
    virtual ~Help() = default;
    virtual void Display(const std::u16string& helpFile) = 0;  // its default topic
    virtual void CloseAll(const std::u16string& helpFile) = 0;
};

}  // namespace bellmora
