#include "app/startup.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <exception>

#include "app/error_box.h"

namespace cista {

QPoint CentredTopLeft(const QRect& desktop, const QSize& outer) {
    const int left = desktop.left() + desktop.width() / 2 - outer.width() / 2;
    const int top = desktop.top() + desktop.height() / 2 - outer.height() / 2;
    return {std::max(left, desktop.left()), std::max(top, desktop.top())};
}

std::unique_ptr<TForm1> CreateMainForm() {
    auto form = std::make_unique<TForm1>();
    try {
        form->FormCreate(form.get());
    } catch (...) {
        HandleException(std::current_exception());
    }
    return form;
}

void ShowMainForm(TForm1& form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        form.move(CentredTopLeft(screen->virtualGeometry(), form.OuterSize()));
    }
    form.show();
}

}  // namespace cista
