#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/UserEnvironment.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

// Sets environment variables for one test and puts the old values back.
class EnvironmentScope {
public:
    void set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    ~EnvironmentScope()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->second ? setenv(it->first, it->second->c_str(), 1) : unsetenv(it->first);
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

} // namespace

TEST(UserEnvironment, LogonNameIsKnown)
{
    EXPECT_FALSE(logonName().empty());
}

TEST(DocumentsFolder, OverrideThenXdgFolderThenHome)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "home" / "Dokumenty");
    std::filesystem::create_directories(dir / "home" / ".config");
    std::filesystem::create_directories(dir / "own");
    writeBytes(dir / "home" / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n");
    EnvironmentScope scope;
    scope.set("HOME", (dir / "home").string());
    scope.set("XDG_CONFIG_HOME", (dir / "home" / ".config").string());
    scope.set("XDG_DOCUMENTS_DIR", "");
    scope.set("TARVELA_DOCUMENTS", (dir / "own").string());
    EXPECT_EQ(documentsFolder(), (dir / "own").string());
    scope.set("TARVELA_DOCUMENTS", "");
    EXPECT_EQ(documentsFolder(), (dir / "home" / "Dokumenty").string());
    std::filesystem::remove(dir / "home" / ".config" / "user-dirs.dirs");
    EXPECT_EQ(documentsFolder(), (dir / "home").string());
}

TEST(DocumentsFolder, NeverTheRootFolder)
{
    EnvironmentScope scope;
    scope.set("TARVELA_DOCUMENTS", "/");
    scope.set("XDG_DOCUMENTS_DIR", "/");
    scope.set("HOME", "/");
    EXPECT_NE(documentsFolder(), "/");
    EXPECT_FALSE(documentsFolder().empty());
}
