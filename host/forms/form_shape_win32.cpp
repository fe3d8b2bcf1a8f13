#include "host/forms/form_shape_win32.h"

namespace kestro {

void FormShape::paint(HDC dc) const {
    HBRUSH frame = CreateSolidBrush(FORM_SHAPE_BORDER_COLOUR);
    if (!frame)
        return;
    const RECT area = bounds();
    FrameRect(dc, &area, frame);
    DeleteObject(frame);
}

} // namespace kestro
