#pragma once

#include <QWidget>

// Once `window` has painted for the first time, writes one line to standard output and ends
// the event loop: the start-up benchmark's finishing line.
void QuitAfterFirstPaint(QWidget& window);
