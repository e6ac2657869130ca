#include "app/TZakladni.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "app/AlwaysOnTop.h"
#include "screens/credit_notes/TDobropisyPrehled.h"
#include "screens/invoices/TFakturyPrehled.h"
#include "screens/stock/TPrehledPohybu.h"
#include "app/ReportCommands.h"
#include "app/SingleInstance.h"
#include "app/StatusPanes.h"
#include "app/ToolbarPictures.h"
#include "data/rights/UserRights.h"
#include "gui/WindowPlacement.h"
#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/FileNames.h"
#include "report/render_qt/InstalledPrinters.h"
#include "screens/salesmen/TPrehledObchZas.h"
#include "screens/settings/TSystemNastaveni.h"
#include "screens/users/TPrehledSkupUziv.h"
#include "screens/users/TPrehledUzivatelu.h"

namespace tarvela {

namespace {

const QString kDesignTitle = QStringLiteral("Tarvela 1.30");

} // namespace

TZakladni::TZakladni(TData& data, UserRights& rights, ReportRuns runs)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      data_(data), rights_(rights), panes_(new StatusPanes(*statusBar())), onTop_(nullptr),
      commissionItems_(runs.CommissionItems), reports_(new ReportCommands(*this, data, std::move(runs)))
{
    setWindowTitle(kDesignTitle);
    buildMenu();
    buildToolbar();
    onTop_ = new AlwaysOnTop(*this);
    setCentralWidget(new QWidget(this));
    // 358 × 93 below the menu bar: the toolbar, the status bar and their frames.
    setFixedSize(358, menuBar()->sizeHint().height() + 93);
    move(192, 107);
    showTitleAndUser(rights);
}

TZakladni::~TZakladni() = default;

bool TZakladni::Loaded(const QString& executableName, const QStringList& parameters)
{
    // A guard that cannot be set up says why, and the program runs unguarded.
    try {
        guard_ = std::make_unique<SingleInstance>(executableName);
        guard_->setMainWindow(this);
        return guard_->start(parameters);
    } catch (const std::exception& error) {
        data_.ui().showMessage(error.what());
        return false;
    }
}

void TZakladni::showTitleAndUser(const UserRights& rights)
{
    const std::string users = resolvePathIgnoringCase(data_.settings().dataDirectory + "USR0000.dbf");
    std::error_code ignored;
    if (data_.settings().dataDirectory.empty() || !std::filesystem::is_regular_file(users, ignored))
        return;
    panes_->setUserName(QString::fromStdString(rights.currentUser().FullName));
    guarded([this] {
        DbfTable& owner = data_.Vlastnik;
        ScopedTableOpen opened(owner);
        owner.first();
        const QString name = owner.eof() ? QString() : QString::fromStdString(owner.asString("VLA_NAC")).trimmed();
        setWindowTitle(windowTitle() + " - " + name);
    });
}

void TZakladni::guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        data_.ui().showMessage(error.what());
    }
}

QAction* TZakladni::addCommand(QMenu& menu, const QString& caption, const std::function<void()>& command)
{
    QAction* action = menu.addAction(caption);
    connect(action, &QAction::triggered, this, [this, command] { guarded(command); });
    return action;
}

QAction* TZakladni::menuAction(const QString& caption) const
{
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

void TZakladni::buildMenu()
{
    QMenu* overviews = menuBar()->addMenu(QStringLiteral("Přehledy"));
    addCommand(*overviews, QStringLiteral("Přehled vydaných faktur"), [this] { FakturyShow(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    addCommand(*overviews, QStringLiteral("Skladové pohyby"), [this] { stockMovements(); });

    QMenu* reports = menuBar()->addMenu(QStringLiteral("Sestavy"));
    addCommand(*reports, QStringLiteral("Sestava vyúčtování provizí"), [this] { reports_->settlement(); });
    addCommand(*reports, QStringLiteral("Sestava provizí dle skupin"), [this] { reports_->byGroups(); });
    addCommand(*reports, QStringLiteral("Sestava provizí souhrnná"), [this] { reports_->summary(); });
    addCommand(*reports, QStringLiteral("Přehled faktur za obchodníka"), [this] { reports_->invoiceOverview(); });
    addCommand(*reports, QStringLiteral("Sestava obratu za obchodníky"), [this] { reports_->salesTurnover(); });
    addCommand(*reports, QStringLiteral("Sestava rabatu dle odběratelů"), [this] { reports_->customerRebate(); });
    addCommand(*reports, QStringLiteral("Sestava nevyplacených provizí"), [this] { reports_->unpaid(); });
    addCommand(*reports, QStringLiteral("Sestava provizi  % z ceny"), [this] { reports_->percentOfPrice(); });

    QMenu* settings = menuBar()->addMenu(QStringLiteral("Nastavení"));
    QMenu* codeLists = settings->addMenu(QStringLiteral("Číselníky"));
    addCommand(*codeLists, QStringLiteral("Obchodní zástupci"), [this] { salesmenList(); });
    QMenu* users = settings->addMenu(QStringLiteral("Uživatelé"));
    addCommand(*users, QStringLiteral("Přehled uživatelů"), [this] { usersList(); });
    addCommand(*users, QStringLiteral("Přehled skupin uživatelů"), [this] { groupsList(); });
    QMenu* service = settings->addMenu(QStringLiteral("Servis"));
    addCommand(*service, QStringLiteral("Indexace souborů"), [this] { reindex(); });
    addCommand(*service, QStringLiteral("Nastavení zařízení"), [this] { deviceSettings(); });

    QAction* end = menuBar()->addAction(QStringLiteral("Konec"));
    connect(end, &QAction::triggered, this, &QWidget::close);
}

void TZakladni::buildToolbar()
{
    auto* toolbar = new QToolBar(this);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setFixedHeight(70);
    toolbar->setIconSize(QSize(52, 66));
    toolbar->setStyleSheet("QToolBar { background: white; border: 2px groove gray; }");
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::BottomToolBarArea, toolbar);
    const std::tuple<QPixmap, QString, std::function<void()>> buttons[] = {
        {invoicesPicture(), QStringLiteral("Faktury"), [this] { FakturyShow(); }},
        {creditNotesPicture(), QString(), [this] { DobropisyShow(); }},
        {salesmenPicture(), QString(), [this] { salesmenList(); }}};
    for (const auto& [picture, hint, command] : buttons) {
        QAction* action = toolbar->addAction(QIcon(picture), QString());
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, [this, command = command] { guarded(command); });
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action)))
            button->setFixedSize(52 + 4, 66 + 2);
    }
}

void TZakladni::reindex()
{
    data_.Index();
}

void TZakladni::salesmenList()
{
    ScopedTableOpen salesmen(data_.Obchodnici);
    TPrehledObchZas list(this, data_);
    placeAt(list, *this, 70, 30);
    list.exec();
}

void TZakladni::FakturyShow()
{
    TFakturyPrehled browser(this, data_, commissionItems_);
    placeAt(browser, *this, 50, 20);
    browser.exec();
}

void TZakladni::DobropisyShow()
{
    TDobropisyPrehled browser(this, data_, commissionItems_);
    placeAt(browser, *this, 50, 20);
    browser.exec();
}

// The journal stays open afterwards; a second opening only resets its tag.
void TZakladni::stockMovements()
{
    data_.OpenDen(0, "DAT");
    if (data_.Denik.isOpen())
        data_.Denik.selectTag("DAT");
    TPrehledPohybu browser(this, data_);
    placeAt(browser, *this, 30, 40);
    browser.exec();
}

void TZakladni::usersList()
{
    ScopedTableOpen users(data_.Uzivatele);
    TPrehledUzivatelu list(this, data_, rights_);
    placeAt(list, *this, 210, 40);
    list.exec();
}

void TZakladni::groupsList()
{
    ScopedTableOpen groups(data_.UzivSkup);
    TPrehledSkupUziv list(this, data_, rights_);
    placeAt(list, *this, 210, 40);
    list.exec();
}

void TZakladni::deviceSettings()
{
    TSystemNastaveni dialog(this, data_, SystemPrinters());
    placeAt(dialog, *this, 100, 30);
    dialog.exec();
}

void TZakladni::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    const QScreen* area = screen();
    if (snapping_ || area == nullptr || !isVisible())
        return;
    const QPoint snapped = snapToWorkArea(frameGeometry(), area->availableGeometry());
    if (snapped != frameGeometry().topLeft()) {
        snapping_ = true;
        move(snapped);
        snapping_ = false;
    }
}

} // namespace tarvela
