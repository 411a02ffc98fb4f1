// Kinds shared by the two document engines (the PDF writer and the page printer), so that both
// can be used in one place.
#pragma once

namespace report {

enum TPrinterOrientation { poPortrait, poLandscape };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

} // namespace report
