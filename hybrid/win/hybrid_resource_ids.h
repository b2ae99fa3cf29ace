// Resource identifiers of the hybrid control's own pictures (the values the
// contents draw by: kComboArrowBitmap).
#pragma once

#define IDB_HYBRID_COMBO_ARROW 20070
