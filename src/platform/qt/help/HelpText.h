#pragma once

#include <QString>

#include <string_view>

namespace bellmora {

// Turns the bytes of a page, contents file or stylesheet of a help file into text. A byte
// order mark wins; then, for markup, the character set the page declares; otherwise
// UTF-8 when the bytes are valid UTF-8, else the Japanese Windows code page 932, the
// encoding of help files made on Japanese Windows.
QString DecodeHelpText(std::string_view bytes, bool isMarkup);

}  // namespace bellmora
