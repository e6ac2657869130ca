#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ProgramDirectory.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

// Sets or clears one environment variable for one case and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : name_(name)
    {
        if (const char* old = std::getenv(name))
            saved_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { saved_.empty() ? ::unsetenv(name_) : ::setenv(name_, saved_.c_str(), 1); }

private:
    const char* name_;
    std::string saved_;
};

} // namespace

TEST(ProgramDirectory, HomeVariableWinsAndGetsItsSeparator)
{
    ScopedVariable home("TARVELA_HOME", "/srv/merkan");
    EXPECT_EQ(findProgramDirectory("/usr/bin/tarvela"), "/srv/merkan/");
    EXPECT_EQ(namedProgramDirectory("/srv/other"), "/srv/other/");
}

TEST(ProgramDirectory, ThenMerkanIniBesideTheExecutableThenTheUsersThenTheSystemsConfigFolder)
{
    test::TempDir dir;
    for (const char* folder : {"bin", "user/tarvela", "first/tarvela", "second/tarvela"})
        std::filesystem::create_directories(dir / folder);
    ScopedVariable home("TARVELA_HOME", nullptr);
    ScopedVariable user("XDG_CONFIG_HOME", (dir / "user").c_str());
    ScopedVariable system("XDG_CONFIG_DIRS", ((dir / "first").string() + ":" + (dir / "second").string()).c_str());
    const std::filesystem::path executable = dir / "bin" / "tarvela";

    EXPECT_EQ(programDirectoryFor(executable), (dir / "user/tarvela/").string()) << "none holds Merkan.ini";
    test::writeBytes(dir / "second/tarvela/Merkan.ini", "[Merkan]\r\n");
    EXPECT_EQ(programDirectoryFor(executable), (dir / "second/tarvela/").string());
    test::writeBytes(dir / "first/tarvela/Merkan.ini", "[Merkan]\r\n");
    EXPECT_EQ(programDirectoryFor(executable), (dir / "first/tarvela/").string());
    test::writeBytes(dir / "user/tarvela/Merkan.ini", "[Merkan]\r\n");
    EXPECT_EQ(programDirectoryFor(executable), (dir / "user/tarvela/").string());
    test::writeBytes(dir / "bin/Merkan.ini", "[Merkan]\r\n");
    EXPECT_EQ(programDirectoryFor(executable), (dir / "bin/").string());
}
