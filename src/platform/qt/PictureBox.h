// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace bellmora {

// An image control: draws its picture at the picture's own size from the top-left
// corner, cut off at the control's edges.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QString& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};

}  // namespace bellmora
