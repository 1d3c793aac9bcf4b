// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtDialogs.h"

#include <QMessageBox>

#include "QtSpeech.h"

namespace bellmora {

MessageAnswer QtDialogs::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                     MessageIcon icon, MessageButtons buttons) {
    if (speech_) speech_->Flush();
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromStdU16String(caption), QString::fromStdU16String(text),
                    QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);  // names come from files; never read them as markup
    if (owner_) box.setPalette(owner_->palette());  // a window does not inherit its owner's colours
    if (buttons == MessageButtons::OkCancel) box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace bellmora
