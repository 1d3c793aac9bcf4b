// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Reading.h"

namespace bellmora {

// The countdown's traffic lights: red, yellow and green, one a second.
inline constexpr int kLights = 3;

// The labels whose captions the logic writes.
enum class Label {
    Inpkey,   // lblInpkey: the next character to type
    Mondai,   // lblMondai: the text still to type
    Nokori,   // lblNokori: characters remaining
    Djikan,   // lblDjikan: seconds of the last run
    Dbyou,    // lblDbyou: characters per second of the last run
    Dbyou2,   // lblDbyou2: seconds per character of the last run
    ToKaisu,  // lblToKaisu: number of runs
    ToMoji,   // lblToMoji: total characters
    ToJikan,  // lblToJikan: total time
    MaxByou,  // lblMaxByou: best characters per second
    MinByou,  // lblMinByou: best seconds per character
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kLightGrey{192, 192, 192};

// The run-time operations the logic applies to the window's controls. Every other
// property stays as the window was laid out.
class Controls {
public:
    virtual ~Controls() = default;

    virtual void SetCaption(Label label, const std::u16string& caption) = 0;
    // The reading guide beside the next character.
    virtual void ShowGuide(const ReadingGuide& guide) = 0;
    virtual void SetProblemFrameCaption(const std::u16string& caption) = 0;  // fraMondai

    virtual Rgb MondaiTextColour() const = 0;
    virtual void SetMondaiTextColour(Rgb colour) = 0;

    virtual void SetStartEnabled(bool enabled) = 0;
    virtual void FocusStart() = 0;

    // The selected name of the problem list, without folder; empty when none is selected.
    virtual std::u16string SelectedFileName() const = 0;
    virtual void FocusFileList() = 0;
    // While locked, neither the mouse nor the keyboard can move the list's selection.
    virtual void LockFileList(bool locked) = 0;
    // The names the problem list holds, in its order.
    virtual std::vector<std::u16string> FileNames() const = 0;
    // Lists the folder's problem files anew and selects the name, without a choice event.
    virtual void RefreshFileList(const std::u16string& select) = 0;

    // The input box, which reports what each key or input-method commit types.
    virtual void FocusInput() = 0;
    // While set, Tab and Shift+Tab in the input box type a tab ("\t") instead of moving
    // the focus on. The Enter key always types a line end ("\n") there.
    virtual void SetInputKeepsTab(bool keep) = 0;
    // Shows the characters a wrong commit dropped, marked as a miss, near the next
    // character; empty text hides the mark.
    virtual void ShowMiss(const std::u16string& dropped) = 0;

    // The history list.
    virtual int HistoryCount() const = 0;
    virtual void ClearHistory() = 0;
    virtual void AppendHistory(const std::vector<std::u16string>& lines) = 0;
    virtual void SetHistoryTopIndex(int index) = 0;

    // The traffic lights, index 1 (red) to kLights (green).
    virtual void SetStartImageVisible(int index, bool visible) = 0;
    // The countdown timer tmrStart.
    virtual void SetCountdownTimerEnabled(bool enabled) = 0;
};

}  // namespace bellmora
