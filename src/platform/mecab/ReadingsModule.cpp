// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// MeCab's analyser as a module of its own, loaded with the first text: a program that
// never loads a text neither maps libmecab nor its dictionary.

#include "MecabAnalyser.h"

// Null when MeCab finds no dictionary; the caller owns what it gets.
extern "C" __attribute__((visibility("default"))) bellmora::Analyser* BellmoraCreateAnalyser() {
    return bellmora::CreateMecabAnalyser().release();
}
