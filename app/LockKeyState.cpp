#include "app/LockKeyState.h"

#include <QGuiApplication>

#ifdef TARVELA_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

namespace tarvela {

LockKeys lockKeyState()
{
    LockKeys keys;
#ifdef TARVELA_HAVE_X11
    auto* application = qGuiApp;
    if (application == nullptr)
        return keys;
    auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display != nullptr && QGuiApplication::platformName() == "xcb") {
        unsigned int indicators = 0;
        if (XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) == Success) {
            keys.capsLock = (indicators & 0x01) != 0;
            keys.numLock = (indicators & 0x02) != 0;
        }
    }
#endif
    return keys;
}

} // namespace tarvela
