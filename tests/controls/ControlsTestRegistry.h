#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Test classes of this executable register themselves here; main runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory>& RegisteredTests();

template <typename TestClass>
struct RegisterTest {
    RegisterTest() {
        RegisteredTests().push_back([] { return std::make_unique<TestClass>(); });
    }
};
