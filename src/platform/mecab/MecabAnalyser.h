// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "Analyser.h"

namespace bellmora {

// The analyser of MeCab with its system dictionary (on Debian the IPA dictionary,
// mecab-ipadic-utf8); null when MeCab finds no dictionary. Loading it takes some
// milliseconds and maps the dictionary's files, so it is made only when a text needs it.
std::unique_ptr<Analyser> CreateMecabAnalyser();

}  // namespace bellmora
