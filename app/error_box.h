#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace cista {

// The message box text: the error's message with a full stop appended, unless the message is
// empty or already ends in a character whose code is at most that of the full stop.
QString ErrorBoxText(const QString& message);

// The program's name as the box title: the program file's name without its folder, cut at the
// first full stop, every character after the first in lower case.
QString ProgramTitle(const QString& programFile);

// Shows an error to the user. The default reporter opens a modal box with the error icon and
// one OK button; tests install their own to observe the box instead of blocking on it.
using ErrorReporter = std::function<void(const QString& title, const QString& text)>;

// Installs `reporter` (an empty one restores the default) and returns the previous one.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// Reports an error that ended a handler, with this program's title and the box text rule.
void ReportError(const QString& message);

// Reports the exception that `error` holds.
void HandleException(const std::exception_ptr& error);

}  // namespace cista
