#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>

#include "ui/unit1.h"

namespace cista {

// Where a window of `outer` size is first shown: centred on the desktop, halves taken by
// integer division, and never before the desktop's left or top edge.
QPoint CentredTopLeft(const QRect& desktop, const QSize& outer);

// Creates the one window (Form1) and runs its creation handler; an error there is reported and
// start-up goes on with the window as far as the handler got.
std::unique_ptr<TForm1> CreateMainForm();

// Places the window on the desktop that holds all screens and shows it.
void ShowMainForm(TForm1& form);

}  // namespace cista
