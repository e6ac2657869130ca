// The progress window of the reindexing: "Indexace souboru :" followed by the
// caption of the tag being built, and the gauge. Centred on its owner.
#pragma once

#include "gui/ProgressWindow.h"

namespace tarvela {

class TProgresWin : public ProgressWindow {
    Q_OBJECT
public:
    explicit TProgresWin(QWidget* owner);
};

} // namespace tarvela
