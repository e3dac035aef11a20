#include "ui/handler_guard.h"

namespace {

HandlerErrorSink errorSink = nullptr;

}  // namespace

HandlerErrorSink SetHandlerErrorSink(HandlerErrorSink sink) {
    const HandlerErrorSink previous = errorSink;
    errorSink = sink;
    return previous;
}

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        if (!errorSink) throw;
        errorSink(std::current_exception());
    }
}
