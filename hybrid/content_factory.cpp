#include "hybrid/content_factory.h"

#include "hybrid/button_content.h"
#include "hybrid/check_box_content.h"
#include "hybrid/combo_content.h"
#include "hybrid/date_content.h"
#include "hybrid/edit_content.h"
#include "hybrid/heading_content.h"
#include "hybrid/picture_content.h"
#include "hybrid/progress_content.h"
#include "hybrid/separator_content.h"
#include "hybrid/slider_content.h"
#include "hybrid/text_content.h"
#include "hybrid/tree_item_content.h"

namespace scalewright {

RefPtr<IHybridContent> CreateContentOfKind(char letter, IHybridCtrl* ctrl) {
  IHybridContent* content = nullptr;
  switch (letter) {
    case 'B': content = new CButtonContent(ctrl); break;
    case 'E': content = new CEditContent(ctrl); break;
    case 'L': content = new CSliderContent(ctrl); break;
    case 'P': content = new CPictureContent(ctrl); break;
    case 'T': content = new CTextContent(ctrl); break;
    case 'c': content = new CComboContentEx(ctrl); break;
    case 'd': content = new CDateContent(ctrl); break;
    case 'h': content = new CHeadingContent(ctrl); break;
    case 'p': content = new CProgressContent(ctrl); break;
    case 's': content = new CSeparatorContent(ctrl); break;
    case 't': content = new CTreeItemContent(ctrl); break;
    case 'x': content = new CCheckBoxContent(ctrl); break;
    default: break;
  }
  return RefPtr<IHybridContent>(content);
}

}  // namespace scalewright
