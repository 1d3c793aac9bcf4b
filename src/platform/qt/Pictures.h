// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace bellmora {

// The window's pictures by name ("banner", "start" …). Each is drawn from its SVG when
// the program is built, at the scales screens commonly use, and read here with Qt's
// built-in PNG reader alone: drawing them from SVG at start took Qt's SVG module and
// every image-format plugin, some milliseconds and most of a MiB. At any other scale the
// picture is drawn from its SVG by Qt's SVG image plugin, or failing that scaled from its
// largest drawing.

// The picture's size on a screen of scale 1.
QSize PictureSize(const QString& name);

// The picture for a screen of this scale, its pixel ratio set to it.
QImage Picture(const QString& name, qreal scale);

// A PNG read without guessing its format: a guess opens every image-format plugin to ask
// it, and Qt's SVG module with one of them.
QImage ReadPng(const QString& path);

// The window icon, drawn square at 16, 32, 64 and 128 pixels.
QImage WindowIconDrawing(int side);

}  // namespace bellmora
