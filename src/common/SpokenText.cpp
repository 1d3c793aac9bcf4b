// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpokenText.h"

#include <iterator>

namespace bellmora {

std::u16string SpokenUnit(std::u16string_view unit) {
    if (unit == u"\r\n" || unit == u"\r" || unit == u"\n" || unit == u"↵") return u"改行";
    if (unit == u"\t" || unit == u"⇥") return u"タブ";
    // Speech passes over blanks in silence. The two blanks are two keys to the run: the
    // full-width one comes from the input method, the other with it off.
    if (unit == u" ") return u"空白";
    if (unit == u"\u3000") return u"全角空白";
    return std::u16string(unit);
}

std::u16string_view LightWord(int index) {
    // A Japanese traffic light's go lamp is called blue.
    static constexpr std::u16string_view kWords[] = {u"赤", u"黄", u"青"};
    return index >= 1 && index <= std::ssize(kWords) ? kWords[index - 1] : std::u16string_view();
}

}  // namespace bellmora
