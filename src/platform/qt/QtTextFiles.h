#pragma once

#include "TextFiles.h"

namespace bellmora {

// Stand-in until the text files of the problem branch are merged: reads UTF-8 only.
class QtTextFiles final : public TextFiles {
public:
    TextFileContent ReadText(const std::u16string& name) override;
    bool Append(const std::u16string& name, std::string_view bytes) override;
    bool Truncate(const std::u16string& name) override;
};

}  // namespace bellmora
