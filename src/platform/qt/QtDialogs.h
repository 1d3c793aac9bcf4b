// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dialogs.h"

class QWidget;

namespace bellmora {

// Modal message boxes over the main window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner) : owner_(owner) {}
    MessageAnswer ShowMessage(const std::u16string& text, const std::u16string& caption,
                              MessageIcon icon, MessageButtons buttons) override;

private:
    QWidget* owner_;
};

}  // namespace bellmora
