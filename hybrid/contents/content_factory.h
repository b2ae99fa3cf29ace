// Makes the content that a template letter names (B, E, L, P, T, c, d, h, p,
// s, t, x); null for any other letter.
#pragma once

#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

RefPtr<IHybridContent> CreateContentOfKind(char letter, IHybridCtrl* ctrl);

}  // namespace scalewright
