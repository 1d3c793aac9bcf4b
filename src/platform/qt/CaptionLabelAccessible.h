// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace bellmora {

// Makes the caption labels readable by assistive technology (screen readers, braille
// displays): each is a static text named by its caption. Qt asks for these interfaces only
// while assistive technology listens, so installing the factory costs nothing otherwise.
void InstallCaptionLabelAccessibility();

// Tells listening assistive technology that a caption label's name has changed, once the
// window has repainted; does nothing while none listens.
void NotifyCaptionChanged(QWidget* label);

}  // namespace bellmora
