#include "app/application.h"
#include "app/startup.h"
#include "wage/wage_calculator.h"

int main(int argc, char* argv[]) {
    // Every figure depends on the x87 unit's precision and rounding; a process can inherit others.
    wage::SetExtendedPrecision();
    cista::Application application(argc, argv);
    const auto form = cista::CreateMainForm();
    cista::ShowMainForm(*form);
    return application.exec();
}
