// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace bellmora {

// The characters a wrong commit dropped, struck out in a muted red just below the next
// character, where the typist looks. Hidden while there is no miss. It lies under the
// input method's composition, which covers it while the next word is composed.
class MissMark final : public QLabel {
    Q_OBJECT
public:
    // Placed with its top left corner at `anchor`, in the coordinates of `parent`.
    MissMark(QWidget* parent, QPoint anchor);

    void setDropped(const QString& dropped);
    const QString& dropped() const { return dropped_; }

private:
    QString dropped_;
};

}  // namespace bellmora
