#include "gui/RecordNavigator.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "gui/CommandButton.h"
#include "gui/TableBrowser.h"

namespace tarvela {

RecordNavigator::RecordNavigator(QWidget* parent, TableBrowser& browser, Buttons buttons) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::tuple<QString, QString, void (TableBrowser::*)()> all[] = {
        {QStringLiteral("|◀"), QStringLiteral("První"), &TableBrowser::first},
        {QStringLiteral("◀"), QStringLiteral("Předchozí"), &TableBrowser::prior},
        {QStringLiteral("▶"), QStringLiteral("Další"), &TableBrowser::next},
        {QStringLiteral("▶|"), QStringLiteral("Poslední"), &TableBrowser::last}};
    for (const auto& [caption, hint, move] : all) {
        if (buttons == Buttons::PriorNext && (move == &TableBrowser::first || move == &TableBrowser::last))
            continue;
        QPushButton* button = commandButton(caption, this, [&browser, move = move] { (browser.*move)(); });
        button->setToolTip(hint);
        button->setFixedSize(25, 25);
        layout->addWidget(button);
    }
}

} // namespace tarvela
