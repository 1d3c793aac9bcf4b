// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowCommands.h"

#include "SpokenText.h"

namespace bellmora {

void OnLoad(WindowState& st, Platform& p) {
    st.strHelpFile = kHelpFileName;
    p.ui.SetCaption(Label::Djikan, u"");
    p.ui.SetCaption(Label::Dbyou, u"");
    p.ui.SetCaption(Label::Dbyou2, u"");
    p.app.ShowWindow();
    st.strMondai = u" ";
    st.intPos = 1;
    p.ui.SetMondaiTextColour(kBlack);
    p.ui.FocusFileList();  // only once the window is shown can it take the focus
}

void OnHelpClick(WindowState& st, Platform& p) { p.help.Display(st.strHelpFile); }

void OnEndClick(WindowState& st, Platform& p) {
    p.help.CloseAll(st.strHelpFile);
    p.app.Quit();
}

void OnMondaiClick(WindowState& st, Platform& p) {
    const bool hide = p.ui.MondaiTextColour() == kBlack;
    p.ui.SetMondaiTextColour(hide ? kLightGrey : kBlack);
    std::u16string said =
        hide ? u"もんだいぶんを かくしました" : u"もんだいぶんを ひょうじしました";
    // The saying cuts short the character to type, so it says that one again.
    if (st.blnTyping == Flag::True && !st.strInpKey.empty())
        said += u"　" + SpokenUnit(st.strInpKey);
    p.speech.Announce(said);
}

}  // namespace bellmora
