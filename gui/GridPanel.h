// The layout of the list windows: a top panel with a record navigator and
// command buttons over a read-only grid that selects whole rows. Every
// command has its key as well as its button, so the lists work from the
// keyboard; the buttons never take the focus from the grid.
#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QTableView;

namespace tarvela {

enum class GridStep { First, Previous, Next, Last };

class GridPanel {
public:
    // Lays the panel and the grid out in the window, which owns both.
    GridPanel(QDialog& window, QTableView& grid, std::initializer_list<GridStep> navigator);

    QPushButton* addCommand(const QString& caption, const QKeySequence& keys, std::function<void()> command);
    void addShortcut(const QKeySequence& keys, std::function<void()> command);

private:
    QDialog& window_;
    QTableView& grid_;
    QHBoxLayout* panel_;
};

// The window's button of that caption; nullptr when there is none.
QPushButton* buttonOf(const QDialog& window, const QString& caption);

} // namespace tarvela
