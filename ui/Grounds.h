// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QWidget;

namespace tallisk {

// Colours always come with the ground they are read on. The main window's layout forces a
// white ground; the text drawn on it is made dark with it, whatever the desktop's theme.
// Controls that paint a ground of their own (text boxes, result fields) keep the theme's
// colours for both.
class Grounds
{
public:
    // White ground with dark text, frame titles and links, for `widget` and what it holds.
    static void setWhite(QWidget* widget);

    // The theme's own ground and text for a control that paints its own ground inside a white
    // one; called again when the theme changes.
    static void followTheme(QWidget* widget);

    // Text on the white ground in a colour of its own (a mark), readable on that white.
    static void setTextColour(QWidget* widget, const QColor& colour);

    // Black text wherever it stands: on the window's ground when black reads on it (a contrast
    // of at least 4.5 to 1), else on a white ground of the widget's own.
    static void setBlackText(QWidget* widget);
};

} // namespace tallisk
