#pragma once

#include "Help.h"

class QWidget;

namespace bellmora {

// Stand-in until the help viewer of the help branch is merged: shows nothing.
class QtHelp final : public Help {
public:
    explicit QtHelp(QWidget* owner) : owner_(owner) {}
    void Display(const std::u16string& helpFile) override;
    void CloseAll(const std::u16string& helpFile) override;

private:
    [[maybe_unused]] QWidget* owner_;
};

}  // namespace bellmora
