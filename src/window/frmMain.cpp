// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmMain.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QListWidget>

#include "CaptionLabel.h"
#include "ControlBuilder.h"
#include "FileListBox.h"
#include "HistoryChartOpener.h"
#include "InputBox.h"
#include "LoadHistory.h"
#include "PracticeRun.h"
#include "ProblemLoad.h"
#include "SpokenText.h"
#include "StartUp.h"
#include "WindowCommands.h"
#include "WindowPalette.h"

namespace bellmora {

namespace {

constexpr int kTypingInterval = 10;  // ms

template <class T>
T* Find(const ControlMap& controls, std::string_view name) {
    auto it = controls.find(name);
    return it == controls.end() ? nullptr : qobject_cast<T*>(it->second);
}

// What the pictures show, for assistive technology; the next character's own name is the
// character.
void NamePictures(const ControlMap& c, const QtControlSet& set) {
    for (int i = 1; i <= kLights; ++i) {
        const std::u16string_view word = LightWord(i);
        set.imgStart.at(static_cast<std::size_t>(i))
            ->setAccessibleName(
                QString::fromUtf16(word.data(), static_cast<qsizetype>(word.size())));
    }
    Find<QWidget>(c, "Image1")->setAccessibleName(QStringLiteral("Bellmora"));
    QWidget* next = set.labels.at(static_cast<std::size_t>(Label::Inpkey));
    next->setAccessibleDescription(QStringLiteral(u"次の文字"));
}

QtControlSet CreateControls(QWidget& window, QTimer& tmrStart) {
    LoadPictures();
    const ControlMap c = BuildControls(window, MainWindowControls());
    QtControlSet set;
    const std::pair<Label, std::string_view> labels[] = {
        {Label::Inpkey, "lblInpkey"},   {Label::Mondai, "lblMondai"},
        {Label::Nokori, "lblNokori"},   {Label::Djikan, "lblDjikan"},
        {Label::Dbyou, "lblDbyou"},     {Label::Dbyou2, "lblDbyou2"},
        {Label::ToKaisu, "lblToKaisu"}, {Label::ToMoji, "lblToMoji"},
        {Label::ToJikan, "lblToJikan"}, {Label::MaxByou, "lblMaxByou"},
        {Label::MinByou, "lblMinByou"},
    };
    for (const auto& [label, name] : labels)
        set.labels.at(static_cast<std::size_t>(label)) = Find<CaptionLabel>(c, name);
    set.fraMondai = Find<QGroupBox>(c, "fraMondai");
    set.cmdStart = Find<QAbstractButton>(c, "cmdStart");
    set.filMondai = Find<FileListBox>(c, "filMondai");
    set.txtInpKey = Find<InputBox>(c, "txtInpKey");
    // Below the next character, where the typist looks.
    set.txtInpKey->showCompositionBelow(*set.labels.at(static_cast<std::size_t>(Label::Inpkey)));
    set.lstRireki = Find<QListWidget>(c, "lstRireki");
    for (int i = 1; i <= kLights; ++i) {
        const std::string name = "imgStart(" + std::to_string(i) + ")";
        set.imgStart.at(static_cast<std::size_t>(i)) = Find<QWidget>(c, name);
    }
    NamePictures(c, set);
    set.tmrStart = &tmrStart;
    return set;
}

}  // namespace

frmMain::frmMain(std::unique_ptr<TextFiles> files, int countdownInterval)
    : widgets_(CreateControls(*this, tmrStart_)),
      controls_(widgets_),
      speech_(this),
      dialogs_(this, &speech_),
      files_(files ? std::move(files) : std::make_unique<QtTextFiles>()),
      help_(this),
      chart_(this, dialogs_),
      app_(this),
      platform_{controls_, dialogs_, sound_, clock_, *files_, help_, app_, speech_} {
    SetUpWindow();
    widgets_.filMondai->fill(QStringLiteral("*.txt"));
    WireEvents();
    tmrStart_.setTimerType(Qt::PreciseTimer);  // the countdown's beeps a steady second apart
    tmrStart_.start(countdownInterval);
    timer2_.start(kTypingInterval);
    Dispatch(OnLoad);  // no timer can fire before it: the event loop is not running yet
}

frmMain::~frmMain() = default;

void frmMain::SetUpWindow() {
    const WindowDesign& design = MainWindowDesign();
    const auto titleLength = static_cast<qsizetype>(design.caption.size());
    setWindowTitle(QString::fromUtf16(design.caption.data(), titleLength));
    // Its icon is the application's (design.icon too), drawn once at start-up, not again here.
    setPalette(WindowPalette());  // the desktop theme's colours would clash with the design's
    // A fixed size: the window manager offers neither resizing nor maximising.
    setFixedSize(design.clientWidth / kTwipsPerPixel, design.clientHeight / kTwipsPerPixel);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
}

void frmMain::WireEvents() {
    const auto button = [this](const char* name) { return findChild<QAbstractButton*>(name); };
    const auto onClick = [this](QAbstractButton* sender, Handler handler) {
        connect(sender, &QAbstractButton::clicked, this, [this, handler] { Dispatch(handler); });
    };
    onClick(widgets_.cmdStart, OnStartClick);
    onClick(button("cmdClear"), OnClearClick);
    onClick(button("cmdHelp"), OnHelpClick);
    onClick(button("cmdEnd"), OnEndClick);
    connect(widgets_.labels.at(static_cast<std::size_t>(Label::Mondai)), &CaptionLabel::clicked,
            this, [this] { Dispatch(OnMondaiClick); });
    // Loaded once the mouse or key event that picked the name is over, so that a message
    // box of the load does not open in the middle of the list's own handling.
    connect(
        widgets_.filMondai, &FileListBox::chosen, this,
        [this](bool byKeyboard) { Dispatch(byKeyboard ? OnFileListKeyMove : OnFileListClick); },
        Qt::QueuedConnection);
    connect(widgets_.filMondai, &FileListBox::entered, this, [this] { Dispatch(OnFileListEnter); });
    connect(widgets_.txtInpKey, &InputBox::escapePressed, this,
            [this] { Dispatch(OnInputEscape); });
    connect(widgets_.txtInpKey, &InputBox::textChanged, this, [this] { Dispatch(OnInputChange); });
    connect(&tmrStart_, &QTimer::timeout, this, [this] { Dispatch(OnCountdownTick); });
    connect(&timer2_, &QTimer::timeout, this, &frmMain::OnTypingTimer);
    connect(new HistoryChartOpener(*widgets_.lstRireki), &HistoryChartOpener::requested, this,
            &frmMain::OpenRecordChart);
}

void frmMain::Dispatch(Handler handler) {
    if (app_.HasQuit()) return;  // the program has ended; late events reach no handler
    handler(state_, platform_);
    // An open chart follows the history, and goes with the help windows at the end.
    if (app_.HasQuit()) return chart_.Close();
    FollowRecordChart(state_, platform_, chart_, charted_);
}

void frmMain::OpenRecordChart() {
    if (!app_.HasQuit()) OnRirekiChart(state_, platform_, chart_, charted_);
}

// The tick starts the first step. A step shows its character and waits for the input
// box; the hit that finishes it begins the next one at once, so the timer rests from then on.
void frmMain::OnTypingTimer() {
    Dispatch(OnTypingTick);
    if (state_.stepPhase != StepPhase::Idle) timer2_.stop();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Dispatch(OnEndClick);
    event->accept();
}

}  // namespace bellmora
