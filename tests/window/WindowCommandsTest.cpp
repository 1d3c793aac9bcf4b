// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Load, Help, End and the click on the problem text, through the fake platform.

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "WindowCommands.h"

namespace bellmora::test {
namespace {

TEST(WindowCommands, LoadPreparesTheStateShowsTheWindowAndFocusesTheProblemList) {
    FakeWindow w;
    for (Label label : {Label::Djikan, Label::Dbyou, Label::Dbyou2}) w.ui.captions[label] = u"15";
    w.ui.mondaiColour = kLightGrey;
    w.Load();
    EXPECT_EQ(w.st.strHelpFile, u"QorvHelp.chm");
    EXPECT_EQ(w.st.strMondai, u" ");
    EXPECT_EQ(w.st.intPos, 1);
    for (Label label : {Label::Djikan, Label::Dbyou, Label::Dbyou2})
        EXPECT_EQ(w.ui.Caption(label), u"");
    EXPECT_EQ(w.app.shows, 1);
    EXPECT_EQ(w.ui.mondaiColour, kBlack);
    EXPECT_EQ(w.ui.focus, Focus::FileList);
    EXPECT_TRUE(w.help.calls.empty());
}

TEST(WindowCommands, HelpShowsTheHelpFileOnEveryClick) {
    FakeWindow w;
    w.Load();
    OnHelpClick(w.st, w.platform);
    OnHelpClick(w.st, w.platform);
    ASSERT_EQ(w.help.calls.size(), 2u);
    for (const HelpCall& call : w.help.calls) {
        EXPECT_EQ(call.command, u"display");
        EXPECT_EQ(call.file, u"QorvHelp.chm");
    }
    EXPECT_FALSE(w.app.quit);
}

TEST(WindowCommands, EndClosesTheHelpWindowsThenQuitsEvenWithNoneOpen) {
    FakeWindow w;
    w.Load();
    OnEndClick(w.st, w.platform);
    ASSERT_EQ(w.help.calls.size(), 1u);
    EXPECT_EQ(w.help.calls[0].command, u"close all");
    EXPECT_EQ(w.help.calls[0].file, u"QorvHelp.chm");
    EXPECT_TRUE(w.app.quit);
}

TEST(WindowCommands, ClicksOnTheProblemTextAlternateGreyAndBlack) {
    FakeWindow w;
    w.Load();
    const Rgb expected[] = {kLightGrey, kBlack, kLightGrey, kBlack};
    for (const Rgb& colour : expected) {
        OnMondaiClick(w.st, w.platform);
        EXPECT_EQ(w.ui.mondaiColour, colour);
    }
}

// Said over the character to type, which it therefore repeats.
TEST(WindowCommands, HidingTheTextDuringARun_SaysTheNextCharacterAgain) {
    FakeWindow w;
    w.Load();
    w.st.blnTyping = Flag::True;
    w.st.strInpKey = u"ア";
    OnMondaiClick(w.st, w.platform);
    EXPECT_EQ(w.speech.said.back(), u"もんだいぶんを かくしました　カタカナ ア");
}

}  // namespace
}  // namespace bellmora::test
