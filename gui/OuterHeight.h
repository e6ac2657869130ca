// A window height kept in Merkan.ini (FakHeight and the others): the outer
// height, title bar and borders included, as the sibling programs read and
// write it. The window's client area is sized from it; the frame is known
// only once the window manager has framed the window, so until then the
// style's title bar and border sizes stand in for it, and the size is put
// right when the real frame appears.
#pragma once

#include <QObject>

class QWidget;

namespace tarvela {

class OuterHeight : public QObject {
    Q_OBJECT
public:
    // Sizes the window to `width` and the stored outer height (the default
    // when none is stored, <= 0). Lives as long as the window.
    OuterHeight(QWidget& window, int width, int stored, int fallback);

    // The window's outer height now, to be written back.
    int current() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Title bar and borders: the real frame once known, else the estimate.
    int frameExtra() const;
    bool frameKnown() const;

    QWidget& window_;
    int outer_;
    bool fitted_ = false;
};

} // namespace tarvela
