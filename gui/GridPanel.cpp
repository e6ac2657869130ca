#include "gui/GridPanel.h"
#include "gui/CommandButton.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvela {

void layOutGridPanel(QDialog& window, QTableView& grid, std::initializer_list<GridStep> navigator)
{
    auto* panel = new QHBoxLayout;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel->setContentsMargins(4, 4, 4, 4);
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
        panel->addWidget(move);
    }
    panel->addStretch();
    layout->addLayout(panel);
    layout->addWidget(&grid);

    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setDefaultSectionSize(18);
    grid.horizontalHeader()->setStretchLastSection(true);
}

} // namespace tarvela
