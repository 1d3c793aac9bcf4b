// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

namespace bellmora {

// An image control: draws its picture at the picture's own size from the top-left
// corner, cut off at the control's edges.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    // `picture` names one of the window's pictures.
    explicit PictureBox(QString picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString picture_;
    QImage drawn_;  // for the screen's scale last painted on
};

}  // namespace bellmora
