// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TextFiles.h"

namespace bellmora {

// Text files of the working folder on a POSIX file system. Names are converted with
// the platform's file name encoding.
class QtTextFiles final : public TextFiles {
public:
    TextFileContent ReadText(const std::u16string& name) override;
    bool Append(const std::u16string& name, std::string_view bytes) override;
    bool Truncate(const std::u16string& name) override;
    bool Remove(const std::u16string& name) override;
    bool WriteText(const std::u16string& name, const std::u16string& text) override;
};

}  // namespace bellmora
