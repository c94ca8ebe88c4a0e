// Colours that stay readable in any palette: the explanatory notes are set
// apart from the controls' captions but keep a contrast of at least 4.5:1
// against the window, the least that WCAG asks of body text.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The contrast ratio of two colours, 1 to 21 (WCAG 2).
double contrastRatio(const QColor& a, const QColor& b);

// The palette's text colour moved toward its window colour as far as a
// contrast of `minimum` allows.
QColor explanatoryColour(const QPalette& palette, double minimum = 4.5);

// Gives every label of `window` that carries the property "explanatoryNote"
// that colour, now and whenever the palette changes.
void keepNotesReadable(QWidget* window);
