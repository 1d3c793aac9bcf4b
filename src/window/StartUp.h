// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QIcon;
class QString;

namespace bellmora {

// Everything the program sets up before its window: name and version, icon, pictures,
// Qt's own texts in Japanese, the fonts the window asks for by their Windows names, a
// text cursor that does not blink, and what assistive technology reads of its labels.
void PrepareApplication(QApplication& app);

// A window icon drawn once from a picture of the window's, at the sizes the window
// manager is given. The picture as an icon would be read and drawn anew at each size,
// every time the window hands its icon on.
QIcon PictureIcon(const QString& picture);

// A picture of the window's as a button's icon, drawn at the size and scale it is shown at.
QIcon ButtonIcon(const QString& picture);

// The pictures of the window, once per process.
void LoadPictures();

}  // namespace bellmora
