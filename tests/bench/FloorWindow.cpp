// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of start-up: a bare Qt window of the main window's size with one Japanese
// label, built as the program is. scripts/bench starts it in turn with the program, so
// that the program's start is read beside what Qt itself costs on the same machine.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral(u"タイピング練習"));
    window.setFixedSize(631, 452);  // the main window's client area
    window.show();
    return QApplication::exec();
}
