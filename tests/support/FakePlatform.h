// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An in-memory stand-in for the window and the outside world, so the logic runs and is
// checked without a display.

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "Platform.h"
#include "WindowState.h"

namespace bellmora::test {

enum class Focus { None, Start, Clear, FileList, Input };

class FakeTextFiles;

class FakeControls final : public Controls {
public:
    std::map<Label, std::u16string> captions;
    std::u16string problemFrameCaption = u"出題リスト";
    Rgb mondaiColour = kBlack;
    bool startEnabled = true;
    Focus focus = Focus::None;
    std::u16string selectedFileName;
    bool fileListLocked = false;
    bool inputKeepsTab = false;
    std::u16string miss;  // the miss mark's characters; empty while hidden
    std::vector<std::u16string> history;
    int historyTopIndex = 0;
    bool imageVisible[4] = {false, true, true, true};  // all three shown at first
    bool countdownTimerEnabled = true;

    ReadingGuide guide;
    void SetCaption(Label label, const std::u16string& caption) override {
        captions[label] = caption;
    }
    void ShowGuide(const ReadingGuide& g) override { guide = g; }
    std::u16string Caption(Label label) const {
        auto it = captions.find(label);
        return it == captions.end() ? std::u16string() : it->second;
    }
    void SetProblemFrameCaption(const std::u16string& caption) override {
        problemFrameCaption = caption;
    }
    Rgb MondaiTextColour() const override { return mondaiColour; }
    void SetMondaiTextColour(Rgb colour) override { mondaiColour = colour; }
    void SetStartEnabled(bool enabled) override {
        startEnabled = enabled;
        // As Qt does: a control that loses its focus by being disabled passes it on to the
        // next in the Tab cycle.
        if (!enabled && focus == Focus::Start) focus = Focus::Clear;
    }
    void FocusStart() override {
        if (startEnabled) focus = Focus::Start;  // a disabled button cannot take the focus
    }
    std::u16string SelectedFileName() const override { return selectedFileName; }
    void FocusFileList() override { focus = Focus::FileList; }
    void LockFileList(bool locked) override { fileListLocked = locked; }
    // The ".txt" files of the fake folder, sorted by name.
    std::vector<std::u16string> FileNames() const override;
    void RefreshFileList(const std::u16string& select) override { selectedFileName = select; }
    const FakeTextFiles* folder = nullptr;
    void FocusInput() override { focus = Focus::Input; }
    void SetInputKeepsTab(bool keep) override { inputKeepsTab = keep; }
    void ShowMiss(const std::u16string& dropped) override { miss = dropped; }
    int HistoryCount() const override { return static_cast<int>(history.size()); }
    void ClearHistory() override { history.clear(); }
    void AppendHistory(const std::vector<std::u16string>& lines) override {
        history.insert(history.end(), lines.begin(), lines.end());
    }
    void SetHistoryTopIndex(int index) override { historyTopIndex = index; }
    void SetStartImageVisible(int index, bool visible) override { imageVisible[index] = visible; }
    void SetCountdownTimerEnabled(bool enabled) override { countdownTimerEnabled = enabled; }

    // The one traffic light shown, or 0 when none or several are.
    int ShownImage() const;
};

struct Message {
    std::u16string text;
    std::u16string caption;
    MessageIcon icon;
    MessageButtons buttons;
    friend bool operator==(const Message&, const Message&) = default;
};

// A failing check shows the box as {text, caption, icon, buttons}, in UTF-8.
void PrintTo(const Message& message, std::ostream* os);

class FakeDialogs final : public Dialogs {
public:
    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;           // OK when empty
    std::function<void(const Message&)> onShow;  // looks at the window while the box is open

    MessageAnswer ShowMessage(const std::u16string& text, const std::u16string& caption,
                              MessageIcon icon, MessageButtons buttons) override;
};

class FakeSound final : public Sound {
public:
    int beeps = 0;
    void Beep() override { ++beeps; }
};

class FakeSpeech final : public Speech {
public:
    std::vector<std::u16string> said;  // in order
    void Announce(const std::u16string& text) override { said.push_back(text); }
};

class FakeReadings final : public Readings {
public:
    std::vector<std::u16string> requested;
    void Request(const std::u16string& text) override { requested.push_back(text); }
};

class FakeClock final : public Clock {
public:
    float seconds = 36000.0f;
    LocalDateTime now{2024, 1, 15, 10, 20, 30};
    float SecondsSinceMidnight() override { return seconds; }
    LocalDateTime Now() override { return now; }
};

class FakeTextFiles final : public TextFiles {
public:
    std::map<std::u16string, std::u16string> files;  // name -> content
    std::set<std::u16string> unreadable;             // reading fails
    std::set<std::u16string> badCharacters;          // reading finds undecodable bytes
    std::set<std::u16string> unwritable;             // appending and emptying fail
    int reads = 0;

    TextFileContent ReadText(const std::u16string& name) override;
    bool Append(const std::u16string& name, std::string_view bytes) override;
    bool Truncate(const std::u16string& name) override;
    bool Remove(const std::u16string& name) override;
    bool WriteText(const std::u16string& name, const std::u16string& text) override;
};

struct HelpCall {
    std::u16string command;  // "display" or "close all"
    std::u16string file;
};

class FakeHelp final : public Help {
public:
    std::vector<HelpCall> calls;
    void Display(const std::u16string& helpFile) override {
        calls.push_back({u"display", helpFile});
    }
    void CloseAll(const std::u16string& helpFile) override {
        calls.push_back({u"close all", helpFile});
    }
};

class FakeApplication final : public Application {
public:
    int shows = 0;
    bool quit = false;
    void ShowWindow() override { ++shows; }
    void Quit() override { quit = true; }
};

// The whole fake platform with a window state, wired like the real window: the input
// box's change event runs the logic's input-change handler.
struct FakeWindow {
    FakeControls ui;
    FakeDialogs dialogs;
    FakeSound sound;
    FakeClock clock;
    FakeTextFiles files;
    FakeHelp help;
    FakeApplication app;
    FakeSpeech speech;
    FakeReadings readings;
    Platform platform{ui, dialogs, sound, clock, files, help, app, speech, readings};
    WindowState st;

    FakeWindow() { ui.folder = &files; }
    FakeWindow(const FakeWindow&) = delete;
    FakeWindow& operator=(const FakeWindow&) = delete;

    // The state right after the window's Load.
    void Load();
};

}  // namespace bellmora::test
