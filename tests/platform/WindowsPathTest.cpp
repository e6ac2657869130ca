#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Error.h"
#include "platform/WindowsPath.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

TEST(WindowsPaths, DriveAndServerPrefixesGoToTheirLocalFolders)
{
    const PathMapping mapping = PathMapping::parse(
        "; our folders\n"
        "x:=/mnt/merkan/\r\n"
        "\\\\Server\\Share = /mnt/share\n"
        "\n"
        "# done\n");
    EXPECT_EQ(mapping.toLocal("X:\\Merkan\\data\\"), "/mnt/merkan/Merkan/data/");
    EXPECT_EQ(mapping.toLocal("\\\\SERVER\\share\\firma\\data"), "/mnt/share/firma/data");
    EXPECT_EQ(mapping.toLocal("X:"), "/mnt/merkan");
    EXPECT_EQ(PathMapping::parse("X:=/\n").toLocal("X:\\Merkan\\\\data\\"), "/Merkan/data/");
}

TEST(WindowsPaths, PathsWithoutPrefixOnlyTurnTheirSeparators)
{
    const PathMapping mapping;
    EXPECT_EQ(mapping.toLocal("data\\sub\\"), "data/sub/");
    EXPECT_EQ(mapping.toLocal("/home/user/data"), "/home/user/data");
    EXPECT_EQ(mapping.toLocal("/home/user/\\data\\"), "/home/user/data/");
}

TEST(WindowsPaths, AnUnmappedDriveIsAClearError)
{
    const PathMapping mapping = PathMapping::parse("X:=/mnt/merkan\n");
    try {
        mapping.toLocal("Y:\\data\\");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Pro cestu Y:\\data\\ chybí v souboru tarvela-paths.ini místní složka");
    }
    EXPECT_THROW(mapping.toLocal("\\\\server\\other\\data"), Error);
}

TEST(WindowsPaths, MappingFileNextToTheExecutableComesFirst)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "config" / "tarvela");
    writeBytes(dir / "config" / "tarvela" / "tarvela-paths.ini", "X:=/from/config\n");
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    EXPECT_EQ(PathMapping::load(dir.str()).toLocal("X:\\d"), "/from/config/d");
    writeBytes(dir / "tarvela-paths.ini", "X:=/next/to/program\n");
    EXPECT_EQ(PathMapping::load(dir.str()).toLocal("X:\\d"), "/next/to/program/d");
    unsetenv("XDG_CONFIG_HOME");
}
