// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace bellmora {

// Makes the input box an editable text to assistive technology, named after what is to
// be typed ("次の文字 か"), which a screen reader says as the focus reaches it. Qt asks for
// the interface only while assistive technology listens.
void InstallInputBoxAccessibility();

}  // namespace bellmora
