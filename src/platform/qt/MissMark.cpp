// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MissMark.h"

#include <QAccessible>

#include "DesignFont.h"
#include "FontNames.h"

namespace bellmora {

MissMark::MissMark(QWidget* parent, QPoint anchor) : QLabel(parent) {
    setObjectName(QStringLiteral("lblMiss"));
    setTextFormat(Qt::RichText);
    setFont(DesignFont(kPGothicFace, 15.75));
    setContentsMargins(4, 0, 4, 0);
    setStyleSheet(
        QStringLiteral("QLabel#lblMiss { background: #fff2f2; border: 1px solid #c08080; }"));
    move(anchor);
    hide();
}

void MissMark::setDropped(const QString& dropped) {
    if (dropped == dropped_) return;
    dropped_ = dropped;
    // A muted red, struck out, after a word that says what it is for those who see no red.
    setText(QStringLiteral(u"<span style=\"color:#6e6e6e\">ミス </span>"
                           u"<span style=\"color:#b03a3a; text-decoration:line-through\">%1</span>")
                .arg(dropped.toHtmlEscaped()));
    setAccessibleName(dropped.isEmpty() ? QString() : QStringLiteral(u"ミス ") + dropped);
    adjustSize();
    setVisible(!dropped.isEmpty());
    if (!dropped.isEmpty()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

}  // namespace bellmora
