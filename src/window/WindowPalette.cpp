// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPalette.h"

namespace bellmora {

QPalette WindowPalette() {
    const QColor face(240, 240, 240);
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const QColor greyText(109, 109, 109);  // disabled texts
    QPalette palette;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? greyText : black;
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, disabled ? face : white);
        palette.setColor(group, QPalette::AlternateBase, QColor(245, 245, 245));
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, greyText);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, white);
        palette.setColor(group, QPalette::Light, white);
        palette.setColor(group, QPalette::Midlight, QColor(227, 227, 227));
        palette.setColor(group, QPalette::Mid, QColor(200, 200, 200));
        palette.setColor(group, QPalette::Dark, QColor(160, 160, 160));
        palette.setColor(group, QPalette::Shadow, QColor(105, 105, 105));
        // Dark enough that a selected name in white keeps a contrast of 4.5 : 1.
        palette.setColor(group, QPalette::Highlight,
                         disabled ? QColor(200, 200, 200) : QColor(0, 102, 204));
        palette.setColor(group, QPalette::HighlightedText, disabled ? greyText : white);
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, black);
        palette.setColor(group, QPalette::Link, QColor(0, 102, 204));
        palette.setColor(group, QPalette::LinkVisited, QColor(128, 0, 128));
    }
    return palette;
}

}  // namespace bellmora
