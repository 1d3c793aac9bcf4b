// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtHelp.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <memory>

#include "ChmArchive.h"
#include "HelpFileSearch.h"
#include "HelpWindow.h"

namespace bellmora {

namespace {

void ShowWarningBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);  // the name comes from the caller; never read it as markup
    if (owner) box.setPalette(owner->palette());  // a window does not inherit its owner's colours
    box.exec();
}

QString CannotOpenText(const std::u16string& helpFile) {
    return QStringLiteral("ヘルプファイル（%1）を開けませんでした")
        .arg(QString::fromStdU16String(helpFile));
}

}  // namespace

QtHelp::QtHelp(QWidget* owner)
    : QtHelp([owner](const QString& caption, const QString& text) {
          ShowWarningBox(owner, caption, text);
      }) {
    owner_ = owner;
}

QtHelp::QtHelp(ErrorReport report) : report_(std::move(report)) {}

QtHelp::~QtHelp() = default;

void QtHelp::Display(const std::u16string& helpFile) {
    std::unique_ptr<HelpWindow>& window = windows_[helpFile];
    if (!window) window = OpenWindow(helpFile);
    if (!window) {
        windows_.erase(helpFile);
        report_(QStringLiteral("Bellmora"), CannotOpenText(helpFile));
        return;
    }
    window->ShowStartPage();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtHelp::CloseAll(const std::u16string&) {
    for (auto& entry : windows_) {
        entry.second->close();
        entry.second.release()->deleteLater();  // it may still be handling an event of its own
    }
    windows_.clear();
}

std::unique_ptr<HelpWindow> QtHelp::OpenWindow(const std::u16string& helpFile) const {
    const std::filesystem::path programFolder(
        QCoreApplication::applicationDirPath().toStdU16String());
    const std::optional<std::filesystem::path> location =
        FindHelpFile(helpFile, HelpFolders(programFolder));
    if (!location) return nullptr;
    std::optional<ChmArchive> archive = ChmArchive::Open(*location);
    if (!archive) return nullptr;
    auto window =
        std::make_unique<HelpWindow>(std::make_shared<const ChmArchive>(std::move(*archive)));
    // Over the program's window, as a help window over its caller: the window manager (and
    // a Wayland compositor, which places windows itself) keeps it in front of its owner.
    if (owner_) window->setParent(owner_, window->windowFlags() | Qt::Window);
    if (!window->StartPage().isValid()) return nullptr;  // nothing in it to show
    return window;
}

}  // namespace bellmora
