// The program's own start-up, ended as soon as its window has painted for the first time.
#include "app/application.h"
#include "app/startup.h"
#include "bench/first_paint.h"
#include "wage/wage_calculator.h"

int main(int argc, char* argv[]) {
    wage::SetExtendedPrecision();
    cista::Application application(argc, argv);
    const auto form = cista::CreateMainForm();
    QuitAfterFirstPaint(*form);
    cista::ShowMainForm(*form);
    return application.exec();
}
