// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "Controls.h"

namespace bellmora {

enum class ControlKind { Image, CommandButton, Line, Frame, Label, TextBox, ListBox, FileListBox };
enum class TextAlign { Left, Centre };

// Twips: 1/1440 inch, relative to the container's top-left corner.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

inline constexpr int kTwipsPerPixel = 15;

// Rounds the edges, not the size, so that neighbouring controls keep meeting exactly.
PixelRect ToPixels(TwipsRect twips);

struct FontDesign {
    std::u16string_view face;  // empty: the window's default font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// One control as the window was designed. A line's rectangle is its start point and its
// length (a horizontal line one pixel high).
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string_view name;       // array members carry their index: "imgStart(1)"
    std::string_view container;  // empty: the window itself
    TwipsRect rect;
    std::u16string_view caption;
    FontDesign font;
    std::optional<Rgb> foreColour;  // unset: the platform's colour for the kind
    std::optional<Rgb> backColour;
    bool border = false;  // labels: a one-pixel line; frames: the frame's own outline
    TextAlign align = TextAlign::Left;
    std::u16string_view toolTip;
    std::string_view picture;  // the name of one of the window's pictures
    int tabIndex = -1;
};

struct WindowDesign {
    std::u16string_view caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    std::string_view icon;
};

const WindowDesign& MainWindowDesign();

// Every control of the main window. Siblings stand from back to front and a container
// comes before its children.
std::span<const ControlDesign> MainWindowControls();

// Whether controls of this kind take the keyboard focus; the Tab key visits those in the
// order of their tabIndex.
bool TakesFocus(ControlKind kind);

}  // namespace bellmora
