#include "hybrid/contents/content_factory.h"

#include "hybrid/contents/button_content.h"
#include "hybrid/contents/check_box_content.h"
#include "hybrid/contents/combo_content.h"
#include "hybrid/contents/date_content.h"
#include "hybrid/contents/edit_content.h"
#include "hybrid/contents/heading_content.h"
#include "hybrid/contents/picture_content.h"
#include "hybrid/contents/progress_content.h"
#include "hybrid/contents/separator_content.h"
#include "hybrid/contents/slider_content.h"
#include "hybrid/contents/text_content.h"
#include "hybrid/contents/tree_item_content.h"

namespace scalewright {

RefPtr<IHybridContent> CreateContentOfKind(char letter, IHybridCtrl* ctrl) {
  IHybridContent* content = nullptr;
  switch (letter) {
    case 'B':
      content = new CButtonContent(ctrl);
      break;
    case 'E':
      content = new CEditContent(ctrl);
      break;
    case 'L':
      content = new CSliderContent(ctrl);
      break;
    case 'P':
      content = new CPictureContent(ctrl);
      break;
    case 'T':
      content = new CTextContent(ctrl);
      break;
    case 'c':
      content = new CComboContentEx(ctrl);
      break;
    case 'd':
      content = new CDateContent(ctrl);
      break;
    case 'h':
      content = new CHeadingContent(ctrl);
      break;
    case 'p':
      content = new CProgressContent(ctrl);
      break;
    case 's':
      content = new CSeparatorContent(ctrl);
      break;
    case 't':
      content = new CTreeItemContent(ctrl);
      break;
    case 'x':
      content = new CCheckBoxContent(ctrl);
      break;
    default:
      break;
  }
  return RefPtr<IHybridContent>(content);
}

}  // namespace scalewright
