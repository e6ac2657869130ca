// The round trips of the windows a clerk uses all day, on a data folder read
// as on a file server (TARVELA_UNMAPPED): the invoice browser opening on its
// last rows, a page down and up, Ctrl+Home and Ctrl+End, a search by the
// customer's name, the payments list (F9) opening and closing, and a payment
// recorded, changed and deleted there with the invoice's paid state. The
// windows run offscreen and are driven through their own keys and buttons;
// each line gives the round trips (see platform/RoundTrips.h) of one step.
// The company is the one of BenchCompany.h; the bench writes a payment and
// deletes it again.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "../BenchCompany.h"
#include "controls/TDBEditOrvo.h"
#include "data/company/TData.h"
#include "gui/QtUi.h"
#include "gui/TableBrowser.h"
#include "platform/RoundTrips.h"
#include "screens/invoices/TFakturyPrehled.h"
#include "screens/payments/TPrehledUhrad.h"
#include "screens/payments/TUhradaForm.h"

using namespace tarvela;

namespace {

RoundTripCounts mark;

void startCounting()
{
    QApplication::processEvents();
    mark = roundTripCounts();
}

void print(const char* step)
{
    QApplication::processEvents();
    const RoundTripCounts used = roundTripCounts() - mark;
    std::printf("| %-52s | %5llu | %5llu | %5llu | %5llu |\n", step, static_cast<unsigned long long>(used.total()),
                static_cast<unsigned long long>(used.locks + used.unlocks),
                static_cast<unsigned long long>(used.reads), static_cast<unsigned long long>(used.writes));
    std::fflush(stdout);
}

// A window's keys act only while it is the active one.
void key(QWidget& target, Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    target.window()->activateWindow();
    QApplication::setActiveWindow(target.window());
    QTest::keyClick(&target, pressed, modifiers);
}

// Runs act inside the modal window that opening starts, once it shows.
void inModal(const std::function<void()>& opening, const std::function<void(QWidget&)>& act)
{
    QWidget* const before = QApplication::activeModalWidget();
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before) {
            watch.stop();
            act(*modal);
        }
    });
    watch.start();
    opening();
}

QPushButton* buttonNamed(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void fillPayment(QWidget& modal, const char* amount)
{
    auto* form = qobject_cast<TUhradaForm*>(&modal);
    if (!form)
        return;
    form->typeEdit().setText(QStringLiteral("BAN"));
    form->statementEdit().setText(QStringLiteral("BV900"));
    form->amountEdit().setText(QString::fromLatin1(amount));
    if (QPushButton* write = buttonNamed(*form, QStringLiteral("Zapiš")))
        write->click();
}

} // namespace

int main(int argc, char** argv)
{
    setenv("TARVELA_UNMAPPED", "1", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QtUi ui;
    TData data(ui, std::filesystem::absolute(bench::companyFolder()).string() + "/");
    if (!data.DataCreate()) {
        std::fprintf(stderr, "The demo company cannot be opened\n");
        return 1;
    }
    std::printf("| %-52s | %5s | %5s | %5s | %5s |\n", "step", "trips", "locks", "reads", "writes");
    std::printf("|%s|---:|---:|---:|---:|\n", std::string(54, '-').c_str());

    startCounting();
    TFakturyPrehled invoices(nullptr, data, {});
    invoices.show();
    print("invoice browser opens on its last rows");
    QTableView& grid = invoices.browser().view();
    const std::pair<const char*, std::pair<Qt::Key, Qt::KeyboardModifiers>> moves[] = {
        {"page up", {Qt::Key_PageUp, Qt::NoModifier}},
        {"page down", {Qt::Key_PageDown, Qt::NoModifier}},
        {"Ctrl+Home", {Qt::Key_Home, Qt::ControlModifier}},
        {"Ctrl+End", {Qt::Key_End, Qt::ControlModifier}},
    };
    for (const auto& [name, move] : moves) {
        startCounting();
        key(grid, move.first, move.second);
        print(name);
    }

    startCounting();
    inModal([&] { invoices.search(); }, [](QWidget& dialog) {
        dialog.findChildren<QRadioButton*>().at(1)->setChecked(true);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(), QStringLiteral("Elektro"));
        buttonNamed(dialog, QStringLiteral("&Hledej"))->click();
    });
    print("search by the customer's name (F5)");

    startCounting();
    inModal([&] { invoices.payments(); }, [&](QWidget& window) {
        print("payments list opens (F9)");
        QWidget& list = qobject_cast<TPrehledUhrad*>(&window)->browser().view();
        startCounting();
        inModal([&] { key(list, Qt::Key_F2); }, [](QWidget& form) { fillPayment(form, "10"); });
        print("payment recorded (F2, Zapiš), with the paid state");
        startCounting();
        inModal([&] { key(list, Qt::Key_F4); }, [](QWidget& form) { fillPayment(form, "12"); });
        print("payment changed (F4, Zapiš), with the paid state");
        startCounting();
        inModal([&] { key(list, Qt::Key_Delete, Qt::ControlModifier); }, [](QWidget& box) {
            if (QPushButton* yes = buttonNamed(box, QStringLiteral("OK")))
                yes->click();
            else if (QPushButton* ano = buttonNamed(box, QStringLiteral("Ano")))
                ano->click();
        });
        print("payment deleted (Ctrl+Delete), with the paid state");
        startCounting();
        window.close();
    });
    print("payments list closes, the browser reads its rows again");
    return 0;
}
