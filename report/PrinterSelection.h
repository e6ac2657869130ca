// Which installed printer a report goes to: a position in the list of
// installed printers, counted from 0, or -1 for the system's default printer.
// The canvas knows only how many printers there are; the Qt layer resolves
// the position to a printer when it prints.
#pragma once

namespace tarvela {

inline constexpr int kDefaultPrinter = -1;

class PrinterSelection {
public:
    PrinterSelection(int index, int installedCount) : index_(index), installedCount_(installedCount) {}

    // -1 selects the default printer; below -1 or past the end of the list
    // keeps the printer selected so far.
    void select(int index)
    {
        if (index == kDefaultPrinter || (index >= 0 && index < installedCount_))
            index_ = index;
    }
    int index() const { return index_; }
    int installedCount() const { return installedCount_; }

private:
    int index_;
    int installedCount_;
};

} // namespace tarvela
