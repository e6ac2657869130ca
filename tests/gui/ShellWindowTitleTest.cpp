// The title the window manager shows for the main window: the program runs
// on a virtual X display and the title is read from its window there, as a
// task bar would read it. Qt must not append the application's name.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "ShellProgramCopy.h"
#include "app/Login.h"
#include "platform/UserEnvironment.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

namespace {

// An X server of its own, on the first free display number.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        server_.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        if (server_.waitForStarted(5000) && server_.waitForReadyRead(10000))
            name_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
    }
    ~VirtualDisplay()
    {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    const QString& name() const { return name_; }

    // The _NET_WM_NAME of every top-level window on the display.
    QStringList windowTitles() const
    {
        QStringList titles;
        const QRegularExpression id("^\\s+(0x[0-9a-f]+) ");
        for (const QString& line : run("xwininfo", {"-root", "-children"}).split('\n')) {
            const auto match = id.match(line);
            if (!match.hasMatch())
                continue;
            const QString property = run("xprop", {"-id", match.captured(1), "_NET_WM_NAME"});
            const qsizetype quote = property.indexOf('"');
            if (quote >= 0)
                titles << property.mid(quote + 1, property.lastIndexOf('"') - quote - 1);
        }
        return titles;
    }

private:
    QString run(const QString& program, const QStringList& arguments) const
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", name_);
        environment.insert("LC_ALL", "C.UTF-8");
        tool.setProcessEnvironment(environment);
        tool.start(program, arguments);
        tool.waitForFinished(5000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    QProcess server_;
    QString name_;
};

} // namespace

TEST(ShellWindowTitle, TaskBarShowsVersionAndDepartmentOnly)
{
    if (!test::ShellProgramCopy::built())
        GTEST_SKIP() << "the program is not built";
    for (const char* tool : {"Xvfb", "xwininfo", "xprop"})
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool << " (tools/install-deps.sh)";
    CompanyFixture company;
    company.add("Uzivatele", {{"USR_KOD", std::string("001")}, {"USR_LNA", loginNameOf(logonName())},
                              {"USR_NAC", std::string("Test")}});
    company.add("Denik", {{"DEN_DAT", DateValue {today()}}});
    company.add("Vlastnik", {{"VLA_NAC", std::string("Železářství Brno")}});
    company.data();
    test::ShellProgramCopy copy(company.folder().path());
    VirtualDisplay display;
    ASSERT_FALSE(display.name().isEmpty()) << "Xvfb did not start";

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TARVELA_HOME", QString::fromStdString(company.folder().str()));
    environment.insert("DISPLAY", display.name());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString(copy.path.string()), {});
    ASSERT_TRUE(program.waitForStarted(5000));
    QStringList titles;
    const bool shown = QTest::qWaitFor([&] {
        // Qt's hidden leader window carries the bare application name.
        titles = display.windowTitles().filter(QRegularExpression("^Tarvela 1\\.30"));
        return !titles.isEmpty();
    }, 15000);
    program.terminate();
    program.waitForFinished(5000);
    ASSERT_TRUE(shown) << program.readAllStandardError().toStdString();
    EXPECT_EQ(titles, QStringList {"Tarvela 1.30 - Železářství Brno"});
}
