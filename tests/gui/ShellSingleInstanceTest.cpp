#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include "ShellProgramCopy.h"
#include "app/InstanceBlock.h"
#include "app/SingleInstance.h"
#include "app/Login.h"
#include "platform/UserEnvironment.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

namespace {

QProcessEnvironment environmentFor(const CompanyFixture& company)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TARVELA_HOME", QString::fromStdString(company.folder().str()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

} // namespace

TEST(ShellSingleInstance, SecondCopyHandsOverTenParametersCutTo300AndEnds)
{
    if (!std::filesystem::exists(std::filesystem::path(TARVELA_BUILD_DIR) / "tarvela"))
        GTEST_SKIP() << "the program is not built";
    CompanyFixture company;
    company.add("Uzivatele", {{"USR_KOD", std::string("001")}, {"USR_LNA", loginNameOf(logonName())},
                              {"USR_NAC", std::string("Test")}});
    company.add("Denik", {{"DEN_DAT", DateValue {today()}}});
    company.data();
    test::ShellProgramCopy program(company.folder().path());

    QProcess first;
    first.setProcessEnvironment(environmentFor(company));
    first.start(QString::fromStdString(program.path.string()), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    std::unique_ptr<InstanceBlock> block;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        block = InstanceBlock::openExisting(perUserObjectName(program.name));
        return block != nullptr && block->owner() == static_cast<std::uint32_t>(first.processId());
    }, 10000));

    QStringList parameters;
    for (int i = 1; i <= 11; ++i)
        parameters << QString("p%1").arg(i);
    parameters[3] = QString(400, 'x');
    QProcess second;
    second.setProcessEnvironment(environmentFor(company));
    second.start(QString::fromStdString(program.path.string()), parameters);
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    const auto handed = block->readParameters();
    ASSERT_EQ(handed.size(), 10u);
    EXPECT_EQ(handed[0], "p1");
    EXPECT_EQ(handed[3], std::string(300, 'x'));
    EXPECT_EQ(handed[9], "p10");
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy goes on";
    EXPECT_EQ(block->owner(), static_cast<std::uint32_t>(first.processId()));
    first.kill();
    first.waitForFinished(5000);
}

TEST(ShellSingleInstance, BlockCutsParametersToItsSlots)
{
    const std::string name = perUserObjectName("tarvela-block-test-" + std::to_string(::getpid()));
    auto block = InstanceBlock::openOrCreate(name);
    ASSERT_NE(block, nullptr);
    EXPECT_FALSE(block->existed());
    block->writeParameters({"a", std::string(301, 'y'), ""});
    EXPECT_EQ(block->readParameters(), (std::vector<std::string>{"a", std::string(300, 'y'), ""}));
    // UTF-8: never half a letter, and no more than the slot's 300 bytes.
    std::string letters;
    for (int i = 0; i < 400; ++i)
        letters += "ř";
    block->writeParameters({std::string(299, 'y') + "řx", letters});
    EXPECT_EQ(block->readParameters(), (std::vector<std::string>{std::string(299, 'y'), letters.substr(0, 300)}));
    EXPECT_TRUE(InstanceBlock::openOrCreate(name)->existed());
    block->removeName();
    EXPECT_EQ(InstanceBlock::openExisting(name), nullptr);
}

TEST(ShellSingleInstance, FirstCopyIgnoresAConnectionWithoutTheHandOverMessage)
{
    const QString name = QString("tarvela-guard-test-%1").arg(::getpid());
    SingleInstance guard(name);
    int handOvers = 0;
    guard.OnInstanceStarted = [&handOvers](const QStringList&) { ++handOvers; };
    ASSERT_FALSE(guard.start({}));
    ASSERT_TRUE(guard.isFirstCopy());
    const QString server =
        SingleInstance::serverName(name, static_cast<std::uint32_t>(QCoreApplication::applicationPid()));
    const auto send = [&server](const QByteArray& message) {
        QLocalSocket socket;
        socket.connectToServer(server);
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(message);
        ASSERT_TRUE(socket.waitForBytesWritten(5000));
        QTest::qWait(100);
        socket.disconnectFromServer();
    };
    send("GET / HTTP/1.0\r\n");
    send("13");
    QTest::qWait(100);
    EXPECT_EQ(handOvers, 0);
    send("1324\n");
    EXPECT_TRUE(QTest::qWaitFor([&handOvers] { return handOvers == 1; }, 5000));
}
