// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

namespace bellmora {

// Turns the bytes of a page, contents file or stylesheet of a help file into text. A byte
// order mark wins; then, for markup, a character set other than UTF-8 that the page
// declares in a <meta> tag near its start; otherwise UTF-8 when the bytes are valid
// UTF-8, else the Japanese Windows code page 932, the encoding of help files made on
// Japanese Windows.
QString DecodeHelpText(std::string_view bytes, bool isMarkup);

}  // namespace bellmora
