// A test suite whose tests share one demo company, made by tarvela-demo
// (seed 3, scale 1) before the first of them and removed after the last.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "support/TempDir.h"

namespace tarvela::test {

class DemoCompanySuite : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    static const TempDir& company() { return *company_; }

private:
    static std::unique_ptr<TempDir> company_;
};

} // namespace tarvela::test
