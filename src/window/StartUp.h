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

// The window icon at the sizes the window manager is given, read once. An icon read from
// a file would be read anew at each size, every time the window hands its icon on.
QIcon WindowIcon();

// A picture of the window's as a button's icon, drawn at the size and scale it is shown at.
QIcon ButtonIcon(const QString& picture);

}  // namespace bellmora
