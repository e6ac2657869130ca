#include "gui/GridPanel.h"
#include "gui/CommandButton.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tarvela {

GridPanel::GridPanel(QDialog& window, QTableView& grid, std::initializer_list<GridStep> navigator)
    : window_(window), grid_(grid), panel_(new QHBoxLayout)
{
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel_->setContentsMargins(4, 4, 4, 4);
    for (const GridStep step : navigator) {
        static const char* const captions[] = {"|<", "<", ">", ">|"};
        QPushButton* move = commandButton(captions[static_cast<int>(step)], &window, [&grid, step] {
            const int last = grid.model()->rowCount() - 1;
            const int current = grid.currentIndex().row();
            const int row = step == GridStep::First ? 0
                            : step == GridStep::Last ? last
                                                     : current + (step == GridStep::Next ? 1 : -1);
            grid.selectRow(std::clamp(row, 0, std::max(0, last)));
        });
        move->setFixedWidth(26);
        panel_->addWidget(move);
    }
    panel_->addStretch();
    layout->addLayout(panel_);
    layout->addWidget(&grid);

    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setDefaultSectionSize(18);
    grid.horizontalHeader()->setStretchLastSection(true);
}

QPushButton* GridPanel::addCommand(const QString& caption, const QKeySequence& keys, std::function<void()> command)
{
    QPushButton* added = commandButton(caption, &window_, command);
    panel_->addWidget(added);
    addShortcut(keys, std::move(command));
    return added;
}

void GridPanel::addShortcut(const QKeySequence& keys, std::function<void()> command)
{
    addKeyCommand(window_, keys, std::move(command));
}

QPushButton* buttonOf(const QDialog& window, const QString& caption)
{
    for (auto* candidate : window.findChildren<QPushButton*>())
        if (candidate->text() == caption)
            return candidate;
    return nullptr;
}

} // namespace tarvela
