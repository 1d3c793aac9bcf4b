// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtControls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QListWidget>
#include <QTimer>

#include "CaptionLabel.h"
#include "CaptionLabelAccessible.h"
#include "FileListBox.h"
#include "GuideView.h"
#include "InputBox.h"
#include "MissMark.h"

namespace bellmora {

namespace {

QString ToQt(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

CaptionLabel& QtControls::LabelWidget(Label label) const {
    return *w_.labels.at(static_cast<std::size_t>(label));
}

void QtControls::SetCaption(Label label, const std::u16string& caption) {
    LabelWidget(label).setCaption(ToQt(caption));
    if (label != Label::Inpkey) return;
    w_.txtInpKey->setNextCharacter(ToQt(caption));
    NotifyCaptionChanged(w_.txtInpKey);  // its name follows the next character
}

void QtControls::ShowGuide(const ReadingGuide& guide) {
    if (w_.guide) w_.guide->setGuide(guide);
}

void QtControls::SetProblemFrameCaption(const std::u16string& caption) {
    w_.fraMondai->setTitle(ToQt(caption));
}

// Light grey hid the problem text on the classic desktop, whose labels stood on light grey.
// Hidden text is now drawn transparent, so only the background it stands on shows,
// whatever colour that is; the logic still sees light grey.
Rgb QtControls::MondaiTextColour() const {
    const QColor c = LabelWidget(Label::Mondai).palette().color(QPalette::WindowText);
    if (c.alpha() == 0) return kLightGrey;
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

void QtControls::SetMondaiTextColour(Rgb colour) {
    CaptionLabel& label = LabelWidget(Label::Mondai);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour == kLightGrey
                                               ? QColor(Qt::transparent)
                                               : QColor(colour.r, colour.g, colour.b));
    label.setPalette(palette);
    NotifyCaptionChanged(&label);  // hidden text has no name for assistive technology either
}

void QtControls::SetStartEnabled(bool enabled) { w_.cmdStart->setEnabled(enabled); }

void QtControls::FocusStart() {
    w_.cmdStart->setFocus(Qt::OtherFocusReason);  // refused while the button is disabled
}

std::u16string QtControls::SelectedFileName() const {
    return w_.filMondai->selectedName().toStdU16String();
}

void QtControls::FocusFileList() { w_.filMondai->setFocus(Qt::OtherFocusReason); }

void QtControls::LockFileList(bool locked) {
    w_.filMondai->setLocked(locked);
    // The list is locked while a countdown or run is on: only then does Tab stop in the
    // input box, which has nothing to take outside a run. A click still reaches it.
    w_.txtInpKey->setFocusPolicy(locked ? Qt::StrongFocus : Qt::ClickFocus);
}

std::vector<std::u16string> QtControls::FileNames() const {
    std::vector<std::u16string> names;
    for (int row = 0; row < w_.filMondai->count(); ++row)
        names.push_back(w_.filMondai->item(row)->text().toStdU16String());
    return names;
}

void QtControls::RefreshFileList(const std::u16string& select) {
    w_.filMondai->fill(QStringLiteral("*.txt"));
    w_.filMondai->selectName(ToQt(select));
}

void QtControls::FocusInput() { w_.txtInpKey->setFocus(Qt::OtherFocusReason); }

void QtControls::SetInputKeepsTab(bool keep) { w_.txtInpKey->setKeepsTab(keep); }

void QtControls::ShowMiss(const std::u16string& dropped) {
    if (w_.lblMiss) w_.lblMiss->setDropped(ToQt(dropped));
}

int QtControls::HistoryCount() const { return w_.lstRireki->count(); }

void QtControls::ClearHistory() { w_.lstRireki->clear(); }

void QtControls::AppendHistory(const std::vector<std::u16string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::u16string& line : lines) items.append(ToQt(line));
    w_.lstRireki->addItems(items);  // one insertion for the whole batch
}

void QtControls::SetHistoryTopIndex(int index) {
    QListWidgetItem* item = w_.lstRireki->item(index);
    if (item) w_.lstRireki->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void QtControls::SetStartImageVisible(int index, bool visible) {
    if (index < 1 || index > kLights) return;
    w_.imgStart.at(static_cast<std::size_t>(index))->setVisible(visible);
}

void QtControls::SetCountdownTimerEnabled(bool enabled) {
    if (enabled)
        w_.tmrStart->start();
    else
        w_.tmrStart->stop();
}

}  // namespace bellmora
