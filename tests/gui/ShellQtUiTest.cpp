// The Qt face of the lower layers' messages: modal boxes that wait for the
// user, Yes/No questions answered by "Ano" or "Ne", and the two progress
// windows that come and go with a run.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

#include "gui/QtUi.h"
#include "gui/TProgresWin.h"
#include "gui/TProSesWin.h"

using namespace tarvela;

namespace {

// What a message box showed before it was answered.
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    bool ownedByWindow = false;
};

// Answers the first message box that appears by clicking the button with
// that caption (the first button when empty).
class BoxClicker {
public:
    explicit BoxClicker(QString caption, const QWidget* owner = nullptr)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, caption, owner] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || seen)
                return;
            SeenBox shown {box->windowTitle(), box->text(), {}, box->parentWidget() == owner};
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                shown.buttons << button->text();
                if (chosen == nullptr && (caption.isEmpty() || button->text() == caption))
                    chosen = button;
            }
            seen = shown;
            if (chosen != nullptr)
                chosen->click();
            else
                box->reject();
        });
        timer_.start(15);
    }

    std::optional<SeenBox> seen;

private:
    QTimer timer_;
};

// The application title the boxes carry, set for one test.
class DisplayName {
public:
    explicit DisplayName(const QString& name) : previous_(QApplication::applicationDisplayName())
    {
        QApplication::setApplicationDisplayName(name);
    }
    ~DisplayName() { QApplication::setApplicationDisplayName(previous_); }

private:
    QString previous_;
};

} // namespace

TEST(ShellQtUi, MessageWaitsForTheUserUnderTheProgramTitle)
{
    DisplayName title("Tarvela");
    QWidget owner;
    owner.show();
    QtUi ui(&owner);
    BoxClicker clicker({}, &owner);
    ui.showMessage("Soubor nelze otevřít: ŽLUŤOUČKÝ.DBF");
    ASSERT_TRUE(clicker.seen.has_value());
    EXPECT_EQ(clicker.seen->title, "Tarvela");
    EXPECT_EQ(clicker.seen->text, "Soubor nelze otevřít: ŽLUŤOUČKÝ.DBF");
    EXPECT_EQ(clicker.seen->buttons.size(), 1);
    EXPECT_TRUE(clicker.seen->ownedByWindow);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box is gone after the answer";
}

TEST(ShellQtUi, QuestionIsAnsweredByAnoOrNe)
{
    DisplayName title("Tarvela");
    QtUi ui;
    {
        BoxClicker yes("Ano");
        EXPECT_TRUE(ui.askYesNo("Přepsat soubor?"));
        ASSERT_TRUE(yes.seen.has_value());
        EXPECT_EQ(yes.seen->text, "Přepsat soubor?");
        EXPECT_EQ(yes.seen->buttons, (QStringList{"Ano", "Ne"}));
        EXPECT_EQ(yes.seen->title, "Tarvela");
    }
    {
        BoxClicker no("Ne");
        EXPECT_FALSE(ui.askYesNo("Přepsat soubor?"));
        EXPECT_TRUE(no.seen.has_value());
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ShellQtUi, EscOnTheQuestionMeansNo)
{
    QtUi ui;
    // Esc first; should the box stay, "Ano" is clicked so the test fails
    // instead of hanging.
    int ticks = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (++ticks == 1)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "Ano")
                    return button->click();
    });
    driver.start(15);
    EXPECT_FALSE(ui.askYesNo("Smazat?"));
    EXPECT_EQ(ticks, 1);
}

TEST(ShellQtUi, IndexingProgressShowsCaptionAndGaugeAndCloses)
{
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    owner.show();
    QtUi ui(&owner);
    ui.showProgress("OBC0001.CDX");
    auto* window = qobject_cast<TProgresWin*>(ui.progressWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), "Indexace datových souborů");
    EXPECT_EQ(window->caption(), "OBC0001.CDX");
    EXPECT_LE((window->geometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

    ui.setProgressPercent(40);
    EXPECT_EQ(window->percent(), 40);
    ui.setProgressPercent(140);
    EXPECT_EQ(window->percent(), 100);
    ui.setProgressCaption("FAK0001.CDX");
    EXPECT_EQ(window->caption(), "FAK0001.CDX");

    ui.showProgress("");
    EXPECT_EQ(ui.progressWindow(), window) << "a second show keeps the same window and caption";
    EXPECT_EQ(window->caption(), "FAK0001.CDX");

    ui.hideProgress();
    EXPECT_EQ(ui.progressWindow(), nullptr);
    ui.setProgressPercent(10);  // without a window: nothing to update, no crash
}

TEST(ShellQtUi, ReportRunsUseTheirOwnProgressWindowOnlyWithinTheScope)
{
    QtUi ui;
    {
        ReportProgressScope scope(ui);
        ui.showProgress("Příprava údajů pro sestavu");
        auto* window = qobject_cast<TProSesWin*>(ui.progressWindow());
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->caption(), "Příprava údajů pro sestavu");
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE((window->geometry().center() - desktop.center()).manhattanLength(), 2);
        ui.hideProgress();
    }
    EXPECT_EQ(ui.progressKind(), QtUi::ProgressKind::Indexing);
    ui.showProgress("DEN0001.CDX");
    EXPECT_NE(qobject_cast<TProgresWin*>(ui.progressWindow()), nullptr);
    ui.hideProgress();
}
