#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ProgramDirectory.h"

using namespace tarvela;

namespace {

// Sets or clears TARVELA_HOME for one case and puts the old value back.
class HomeVariable {
public:
    explicit HomeVariable(const char* value)
    {
        if (const char* old = std::getenv("TARVELA_HOME"))
            saved_ = old;
        value ? ::setenv("TARVELA_HOME", value, 1) : ::unsetenv("TARVELA_HOME");
    }
    ~HomeVariable() { saved_.empty() ? ::unsetenv("TARVELA_HOME") : ::setenv("TARVELA_HOME", saved_.c_str(), 1); }

private:
    std::string saved_;
};

} // namespace

TEST(ProgramDirectory, HomeVariableWinsAndGetsItsSeparator)
{
    HomeVariable home("/srv/merkan");
    EXPECT_EQ(findProgramDirectory("/usr/bin/tarvela"), "/srv/merkan/");
}

TEST(ProgramDirectory, OtherwiseTheExecutablesFolder)
{
    HomeVariable home(nullptr);
    const std::string expected = std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
    EXPECT_EQ(findProgramDirectory("ignored"), expected);
}
