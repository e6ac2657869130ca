// The commission items of one document ("Přehled položek dokladu"): the rows
// of DokladObsahFak that the opener computed, read-only, with a record
// navigator. It changes nothing; Esc closes it.
#pragma once

#include <QDialog>

class QTableView;

namespace tarvela {

class MemTable;

class TPrehlProvPol : public QDialog {
    Q_OBJECT
public:
    TPrehlProvPol(QWidget* owner, MemTable& items);

    QTableView& grid() const { return *grid_; }

private:
    QTableView* grid_;
};

} // namespace tarvela
