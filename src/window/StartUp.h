#pragma once

class QApplication;

namespace bellmora {

// Everything the program sets up before its window: name and version, icon, pictures,
// Qt's own texts in Japanese, the fonts the window asks for by their Windows names, and
// a text cursor that does not blink.
void PrepareApplication(QApplication& app);

// The pictures of the window, once per process.
void LoadPictures();

}  // namespace bellmora
