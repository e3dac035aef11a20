// Runs the Qt tests headless: the offscreen platform unless the environment names another,
// also when the build lists the tests without the test environment.
#include <gtest/gtest.h>

#include "app/application.h"
#include "wage/wage_calculator.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    wage::SetExtendedPrecision();
    testing::InitGoogleTest(&argc, argv);
    cista::Application application(argc, argv);
    return RUN_ALL_TESTS();
}
