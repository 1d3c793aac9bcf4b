// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Analyser.h"
#include "Application.h"
#include "Clock.h"
#include "Controls.h"
#include "Dialogs.h"
#include "Help.h"
#include "Sound.h"
#include "Speech.h"
#include "TextFiles.h"

namespace bellmora {

// Everything outside the logic, handed to every handler.
struct Platform {
    Controls& ui;
    Dialogs& dialogs;
    Sound& sound;
    Clock& clock;
    TextFiles& files;
    Help& help;
    Application& app;
    Speech& speech;
    Readings& readings;
};

}  // namespace bellmora
