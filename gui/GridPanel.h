// The layout of the one list whose rows are not a table but computed in
// memory, the commission items view: a top panel with a record navigator
// over a read-only grid that selects whole rows. Every list over a table is
// a ListWindow on the TableBrowser instead.
#pragma once

#include <initializer_list>

class QDialog;
class QTableView;

namespace tarvela {

enum class GridStep { First, Previous, Next, Last };

// Lays the panel and the grid out in the window, which owns both.
void layOutGridPanel(QDialog& window, QTableView& grid, std::initializer_list<GridStep> navigator);

} // namespace tarvela
