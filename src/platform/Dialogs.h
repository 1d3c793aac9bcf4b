// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace bellmora {

enum class MessageIcon { Warning, Information };
enum class MessageButtons { Ok, OkCancel };  // with OK as the default button
enum class MessageAnswer { Ok, Cancel };

// The program's own modal message box.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer ShowMessage(const std::u16string& text, const std::u16string& caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
};

}  // namespace bellmora
