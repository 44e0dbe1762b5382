#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// Several Qt Test classes in one executable: each registers itself with
//     static RegisterTest<SomeTest> registered;
// and the executable's main runs them all with RunRegisteredTests.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory>& RegisteredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

template <typename TestClass>
struct RegisterTest {
    RegisterTest() {
        RegisteredTests().push_back([] { return std::make_unique<TestClass>(); });
    }
};

// Runs every registered class; 0 when all passed. Needs the application object.
inline int RunRegisteredTests(int argc, char** argv) {
    int failed = 0;
    for (const TestFactory& make : RegisteredTests()) {
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
