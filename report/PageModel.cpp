#include "report/PageModel.h"

namespace tarvela {

Page Page::a4(Orientation orientation)
{
    Page page;
    if (orientation == Orientation::Landscape) {
        page.widthCm = kA4LongCm;
        page.heightCm = kA4ShortCm;
    }
    return page;
}

} // namespace tarvela
