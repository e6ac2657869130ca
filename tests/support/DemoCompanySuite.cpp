#include "support/DemoCompanySuite.h"

#include "support/ToolRun.h"

namespace tarvela::test {

std::unique_ptr<TempDir> DemoCompanySuite::company_;

void DemoCompanySuite::SetUpTestSuite()
{
    company_ = std::make_unique<TempDir>();
    const ToolRun demo = runTool("tarvela-demo", company_->str() + " --seed 3 --scale 1", *company_);
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
}

void DemoCompanySuite::TearDownTestSuite()
{
    company_.reset();
}

} // namespace tarvela::test
