// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "Controls.h"

class QAbstractButton;
class QGroupBox;
class QListWidget;
class QTimer;
class QWidget;

namespace bellmora {

class CaptionLabel;
class FileListBox;
class GuideView;
class InputBox;
class MissMark;

// The widgets the logic works on, as the window created them.
struct QtControlSet {
    std::array<CaptionLabel*, 11> labels{};  // indexed by Label
    QGroupBox* fraMondai = nullptr;
    QAbstractButton* cmdStart = nullptr;
    FileListBox* filMondai = nullptr;
    InputBox* txtInpKey = nullptr;
    MissMark* lblMiss = nullptr;
    GuideView* guide = nullptr;  // the reading guide beside lblInpkey
    QListWidget* lstRireki = nullptr;
    std::array<QWidget*, kLights + 1> imgStart{};  // 1 to kLights; there is no picture 0
    QTimer* tmrStart = nullptr;
};

class QtControls final : public Controls {
public:
    explicit QtControls(const QtControlSet& widgets) : w_(widgets) {}

    void SetCaption(Label label, const std::u16string& caption) override;
    void ShowGuide(const ReadingGuide& guide) override;
    void SetProblemFrameCaption(const std::u16string& caption) override;

    Rgb MondaiTextColour() const override;
    void SetMondaiTextColour(Rgb colour) override;

    void SetStartEnabled(bool enabled) override;
    void FocusStart() override;

    std::u16string SelectedFileName() const override;
    void FocusFileList() override;
    void LockFileList(bool locked) override;
    std::vector<std::u16string> FileNames() const override;
    void RefreshFileList(const std::u16string& select) override;

    void FocusInput() override;
    void SetInputKeepsTab(bool keep) override;
    void ShowMiss(const std::u16string& dropped) override;

    int HistoryCount() const override;
    void ClearHistory() override;
    void AppendHistory(const std::vector<std::u16string>& lines) override;
    void SetHistoryTopIndex(int index) override;

    void SetStartImageVisible(int index, bool visible) override;
    void SetCountdownTimerEnabled(bool enabled) override;

private:
    CaptionLabel& LabelWidget(Label label) const;

    QtControlSet w_;
};

}  // namespace bellmora
