// The record navigator of a list window's top panel: buttons for the first,
// previous, next and last record of a table browser (or only previous and
// next). The buttons take no focus, so the grid keeps it.
#pragma once

#include <QWidget>

namespace tarvela {

class TableBrowser;

class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    enum class Buttons { All, PriorNext };
    RecordNavigator(QWidget* parent, TableBrowser& browser, Buttons buttons = Buttons::All);
};

} // namespace tarvela
