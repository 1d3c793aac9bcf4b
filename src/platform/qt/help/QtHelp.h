// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Help.h"

class QWidget;

namespace bellmora {

class HelpWindow;

// The help component: opens a compiled help file in a help window of its own and closes
// its windows again.
class QtHelp final : public Help {
public:
    // How a help file that cannot be shown is reported: by default a warning box over
    // the owner.
    using ErrorReport = std::function<void(const QString& caption, const QString& text)>;

    explicit QtHelp(QWidget* owner);
    explicit QtHelp(ErrorReport report);
    ~QtHelp() override;
    QtHelp(const QtHelp&) = delete;
    QtHelp& operator=(const QtHelp&) = delete;

    // Shows the file's default topic; a file already open keeps its one window, which
    // comes to the front. Closing a help window only hides it until the next Display.
    void Display(const std::u16string& helpFile) override;

    // Closes every help window this component opened, whatever the file.
    void CloseAll(const std::u16string& helpFile) override;

private:
    std::unique_ptr<HelpWindow> OpenWindow(const std::u16string& helpFile) const;

    QWidget* owner_ = nullptr;  // the help windows stand over it
    ErrorReport report_;
    std::map<std::u16string, std::unique_ptr<HelpWindow>> windows_;
};

}  // namespace bellmora
