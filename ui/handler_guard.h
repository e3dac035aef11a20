#pragma once

#include <exception>
#include <functional>

// Every event handler of the window runs through RunHandler. An error that leaves a handler ends
// that handler only and is passed to the application's error handler right there, so it never
// unwinds through the toolkit's own frames, which are not built to pass exceptions on.

using HandlerErrorSink = void (*)(const std::exception_ptr& error);

// Installs where errors go and returns the previous sink; without a sink they are thrown on to
// the caller.
HandlerErrorSink SetHandlerErrorSink(HandlerErrorSink sink);

void RunHandler(const std::function<void()>& handler);
