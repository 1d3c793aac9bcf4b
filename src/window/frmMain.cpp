// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QSettings>

#include "CaptionLabel.h"
#include "ControlBuilder.h"
#include "Drill.h"
#include "FileListBox.h"
#include "GuideView.h"
#include "InputBox.h"
#include "LoadHistory.h"
#include "MissMark.h"
#include "PhraseReadings.h"
#include "PracticeRun.h"
#include "ProblemLoad.h"
#include "RecordChartOpener.h"
#include "SpokenText.h"
#include "StartUp.h"
#include "WindowCommands.h"
#include "WindowPalette.h"

namespace bellmora {

namespace {

constexpr int kTypingInterval = 10;  // ms

// While the guide shows, the remaining count stands this much higher, clear of it.
constexpr int kCountLift = 20;  // pixels

// Whether the typist wants the reading guide, kept between starts.
const QString kGuideSetting = QStringLiteral("guide/shown");

QSettings Settings() { return QSettings(QStringLiteral("Bellmora"), QStringLiteral("Bellmora")); }

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

// Shift+F10 opens the focused control's menu, as the Menu key does, in every window of
// the program: keyboards without a Menu key have it, and Windows users know it.
class ContextMenuKey final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        QWidget* focus = QApplication::focusWidget();
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier || !focus)
            return false;
        QPoint at = focus->rect().center();
        if (auto* view = qobject_cast<QAbstractItemView*>(focus);
            view && view->currentIndex().isValid())
            at = view->viewport()->mapTo(focus, view->visualRect(view->currentIndex()).center());
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QApplication::sendEvent(focus, &menu);
        return true;
    }
};

QtControlSet CreateControls(QWidget& window, QTimer& tmrStart) {
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
    set.txtInpKey->setFocusPolicy(Qt::ClickFocus);  // Tab reaches it during a run only
    // Below the next character, where the typist looks: a miss, and over it (made later,
    // so lying in front) the composition, which keeps its place.
    const QWidget& inpkey = *set.labels.at(static_cast<std::size_t>(Label::Inpkey));
    set.lblMiss = new MissMark(&window, inpkey.mapTo(&window, QPoint(0, inpkey.height() + 2)));
    set.txtInpKey->showCompositionBelow(inpkey);
    // Above the problem text, right of the next character: clear of the composition below
    // the next character and of the candidate window the input method opens under that.
    const QWidget* mondai = set.labels.at(static_cast<std::size_t>(Label::Mondai));
    set.guide = new GuideView(&window, mondai->mapTo(&window, QPoint(0, -3)));
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
      readings_(LoadReadingsModule, [this](const AnalysedText& analysed) { OnReadings(analysed); }),
      platform_{controls_, dialogs_, sound_, clock_, *files_, help_, app_, speech_, readings_} {
    SetUpWindow();
    SetUpGuideSwitch();
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
    CaptionLabel* lblMondai = widgets_.labels.at(static_cast<std::size_t>(Label::Mondai));
    connect(lblMondai, &CaptionLabel::clicked, this, [this] { Dispatch(OnMondaiClick); });
    // F2 anywhere in the window, and the text's own menu, do what a click on it does.
    auto* hideOrShow = new QAction(QStringLiteral(u"問題文の表示／非表示"), this);
    hideOrShow->setShortcut(Qt::Key_F2);
    addAction(hideOrShow);
    lblMondai->addAction(hideOrShow);
    lblMondai->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(hideOrShow, &QAction::triggered, this, [this] { Dispatch(OnMondaiClick); });
    static const bool menuKey = (qApp->installEventFilter(new ContextMenuKey(qApp)), true);
    (void)menuKey;
    // Loaded once the mouse or key event that picked the name is over, so that a message
    // box of the load does not open in the middle of the list's own handling.
    connect(
        widgets_.filMondai, &FileListBox::chosen, this,
        [this](bool byKeyboard) { Dispatch(byKeyboard ? OnFileListKeyMove : OnFileListClick); },
        Qt::QueuedConnection);
    connect(widgets_.filMondai, &FileListBox::entered, this, [this] { Dispatch(OnFileListEnter); });
    connect(widgets_.txtInpKey, &InputBox::escapePressed, this,
            [this] { Dispatch(OnInputEscape); });
    connect(widgets_.txtInpKey, &InputBox::typed, this, [this](const QString& text) {
        Dispatch([&text](WindowState& st, Platform& p) {
            OnInputChange(st, p,
                          std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                              static_cast<std::size_t>(text.size())));
        });
    });
    connect(&tmrStart_, &QTimer::timeout, this, [this] { Dispatch(OnCountdownTick); });
    connect(&timer2_, &QTimer::timeout, this, &frmMain::OnTypingTimer);
    connect(new RecordChartOpener(*widgets_.lstRireki), &RecordChartOpener::requested, this,
            &frmMain::OpenRecordChart);
    chart_.SetDrillRequest([this](bool allTexts) {
        Dispatch([allTexts](WindowState& st, Platform& p) { OnMakeDrill(st, p, allTexts); });
        // The drill loaded waits with Start focused: the typist goes on in the main window.
        if (state_.strMondaiFile == kDrillFileName) {
            raise();
            activateWindow();
        }
    });
}

void frmMain::Dispatch(Handler handler) {
    Dispatch([handler](WindowState& st, Platform& p) { handler(st, p); });
}

template <class Handle>
void frmMain::Dispatch(Handle&& handle) {
    if (app_.HasQuit()) return;  // the program has ended; late events reach no handler
    handle(state_, platform_);
    // An open chart follows the history, and goes with the help windows at the end.
    if (app_.HasQuit()) return chart_.Close();
    FollowRecordChart(state_, platform_, chart_, charted_);
}

void frmMain::OpenRecordChart() {
    if (!app_.HasQuit()) OnRecordChart(state_, platform_, chart_, charted_);
}

// The tick starts the first step. A step shows its character and waits for the input
// box; the hit that finishes it begins the next one at once, so the timer rests from then on.
void frmMain::OnTypingTimer() {
    Dispatch(OnTypingTick);
    if (state_.stepPhase != StepPhase::Idle) timer2_.stop();
}

void frmMain::OnReadings(const AnalysedText& analysed) {
    if (!app_.HasQuit()) OnReadingsReady(state_, platform_, analysed);
}

// A keyboard shortcut and the next character's context menu hide and show the guide.
void frmMain::SetUpGuideSwitch() {
    GuideView* guide = widgets_.guide;
    QWidget* count = widgets_.labels.at(static_cast<std::size_t>(Label::Nokori));
    const QPoint countHome = count->pos();
    const auto want = [guide, count, countHome](bool shown) {
        guide->setWanted(shown);
        count->move(countHome - QPoint(0, shown ? kCountLift : 0));
    };
    want(Settings().value(kGuideSetting, true).toBool());
    auto* action = new QAction(QStringLiteral(u"読みガイドを表示"), this);
    action->setCheckable(true);
    action->setChecked(guide->wanted());
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));  // Y for 読み
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    QWidget* next = widgets_.labels.at(static_cast<std::size_t>(Label::Inpkey));
    next->setContextMenuPolicy(Qt::ActionsContextMenu);
    next->addAction(action);
    connect(action, &QAction::toggled, this, [want](bool shown) {
        want(shown);
        Settings().setValue(kGuideSetting, shown);
    });
}

void frmMain::closeEvent(QCloseEvent* event) {
    Dispatch(OnEndClick);
    event->accept();
}

}  // namespace bellmora
