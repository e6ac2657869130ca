#include "screens/settings/TSystemNastaveni.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "controls/TComboBoxOrvo.h"
#include "data/company/PrinterChoice.h"
#include "data/company/TData.h"
#include "platform/Error.h"
#include "report/render_qt/InstalledPrinters.h"

namespace tarvela {

namespace {

// The list's position; nothing when no printer is selected in it.
std::optional<int> chosen(const TComboBoxOrvo& list)
{
    return list.currentIndex() >= 0 ? std::optional<int>(list.currentIndex()) : std::nullopt;
}

} // namespace

TSystemNastaveni::TSystemNastaveni(QWidget* owner, TData& data, const InstalledPrinters& printers)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data)
{
    setWindowTitle(QStringLiteral("Nastavení systémových parametrů"));
    setFixedSize(343, 191);
    auto* pages = new QTabWidget(this);
    pages->setGeometry(8, 8, 327, 138);
    auto* page = new QWidget;
    pages->addTab(page, QStringLiteral("Tiskárny"));
    const QStringList names = printers.names();
    const std::pair<const char*, int> rows[] = {{"Základní tiskárna", data.settings().mainPrinterIndex},
                                                {"Účtenková tiskárna", data.settings().receiptPrinterIndex}};
    TComboBoxOrvo* lists[2];
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromUtf8(rows[i].first), page);
        label->setGeometry(12, 14 + 46 * i, 200, 16);
        lists[i] = new TComboBoxOrvo(page);
        lists[i]->setGeometry(12, 32 + 46 * i, 297, 22);
        lists[i]->addItems(names);
        if (names.isEmpty())
            lists[i]->setPlaceholderText(QStringLiteral("Není nainstalována žádná tiskárna"));
        lists[i]->setCurrentIndex(rows[i].second < names.size() ? rows[i].second : -1);
        label->setBuddy(lists[i]);
    }
    main_ = lists[0];
    receipt_ = lists[1];

    auto* save = new QPushButton(QStringLiteral("Ulož"), this);
    save->setGeometry(176, 156, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(260, 156, 75, 25);
    for (auto* button : {save, cancel})
        button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TSystemNastaveni::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    main_->setFocus();
}

void TSystemNastaveni::save()
{
    try {
        if (!storePrinterChoice(data_, chosen(*main_), chosen(*receipt_)))
            return;
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return;
    }
    accept();
}

} // namespace tarvela
