// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Grounds.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace tallisk {

namespace {

// How bright a colour looks, from 0 for black to 1 for white (the relative luminance of the
// sRGB colour, as the usual contrast rules for text define it).
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The least contrast that text needs against its ground to be read easily.
constexpr double kReadableContrast = 4.5;

} // namespace

void Grounds::setWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    // Several styles, Fusion among them, draw a frame's title in the text colour.
    palette.setColor(QPalette::Text, Qt::black);
    // Dark blues, as browsers draw links on white.
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xcc));
    palette.setColor(QPalette::LinkVisited, QColor(0x55, 0x1a, 0x8b));
    widget->setPalette(palette);
}

void Grounds::followTheme(QWidget* widget)
{
    const QPalette theme = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role :
             {QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::HighlightedText,
              QPalette::PlaceholderText}) {
            palette.setColor(group, role, theme.color(group, role));
        }
    }
    widget->setPalette(palette);
}

void Grounds::setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void Grounds::setBlackText(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    // Black against a ground of luminance L has the contrast (L + 0.05) / 0.05.
    const bool readable =
        (luminance(palette.color(QPalette::Window)) + 0.05) / 0.05 >= kReadableContrast;
    if (!readable)
        palette.setColor(QPalette::Window, Qt::white);
    widget->setAutoFillBackground(!readable);
    widget->setPalette(palette);
}

} // namespace tallisk
