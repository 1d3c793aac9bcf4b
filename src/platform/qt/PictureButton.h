// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QToolButton>

namespace bellmora {

// A command button in picture style: the icon above the caption. It takes the focus by
// click and by Tab, and Enter presses it while it has the focus, as Space does.
class PictureButton final : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace bellmora
