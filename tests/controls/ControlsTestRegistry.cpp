#include "ControlsTestRegistry.h"

std::vector<TestFactory>& RegisteredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}
