// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dialogs.h"

class QWidget;

namespace bellmora {

class QtSpeech;

// Modal message boxes over the main window.
class QtDialogs final : public Dialogs {
public:
    // What speech waits to say is said before a box opens.
    explicit QtDialogs(QWidget* owner, QtSpeech* speech = nullptr)
        : owner_(owner), speech_(speech) {}
    MessageAnswer ShowMessage(const std::u16string& text, const std::u16string& caption,
                              MessageIcon icon, MessageButtons buttons) override;

private:
    QWidget* owner_;
    QtSpeech* speech_;
};

}  // namespace bellmora
