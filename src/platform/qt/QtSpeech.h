// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include <QPointer>
#include <QString>
#include <QTimer>

#include "Speech.h"

class QWidget;

namespace bellmora {

// Has screen readers say the logic's announcements. Orca 43 speaks neither a later name
// change of the focused control nor any label's, but it does speak a notification as it
// appears, so each announcement shows an invisible notification of the window, which
// never takes the focus; inside an invisible status bar, Orca says it without its role. What one
// event asks for is said once, joined, after the window has repainted: a keystroke shows as fast
// with a screen reader listening as without. While none listens, nothing at all is done.
class QtSpeech final : public Speech {
public:
    explicit QtSpeech(QWidget* window);

    void Announce(const std::u16string& text) override;
    // Says at once what waits for the repaint: before a modal box opens, which the reader
    // reads as it comes, so that the two are heard in the order they were asked for.
    void Flush();

private:
    QWidget* window_;
    QPointer<QWidget> bar_;  // the status bar the notices sit in
    // A reader hears that a notification appeared at once, but asks for its name only
    // when it comes to say it, which at typing speed may be a few keys later. Were one
    // notice renamed for every key, the reader would say the newest name for each of
    // them. So each announcement keeps a notice of its own while seven more come, more
    // than a reader falls behind, and only then is that notice renamed and shown again.
    // A ring and not a new notice each time: a long practice would pile up thousands.
    // Made as they are first needed.
    std::array<QPointer<QWidget>, 8> notices_;
    std::size_t next_ = 0;
    QString pending_;
    QTimer timer_;
};

}  // namespace bellmora
