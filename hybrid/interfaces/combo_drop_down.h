// The drop-down list of a combo content: the item texts shown below the
// combo's cell, from which the user picks one. The combo asks the platform
// for one (IHybridPlatform::CreateComboDropDown); Windows shows a popup
// window (CComboList), host tests fake it.
#pragma once

#include <string>
#include <vector>

#include "hybrid/interfaces/hybrid_bits.h"

namespace scalewright {

// Told by the list what the user did; the list has closed either way.
class IComboDropDownOwner {
 public:
  virtual void OnDropDownChoice(int index) = 0;
  // Escape, a click outside, or the control went away.
  virtual void OnDropDownClosed() = 0;

 protected:
  ~IComboDropDownOwner() = default;
};

class IComboDropDown {
 public:
  virtual ~IComboDropDown() = default;

  // Opens below |anchor| (the combo's cell, in the control's window
  // coordinates) as wide as it, with |current| highlighted (-1: none).
  // False when there is nothing to show or no window could be made.
  virtual bool Open(const Rect& anchor, const std::vector<std::string>& items, int current,
                    IComboDropDownOwner* owner) = 0;
  // Closes without telling the owner.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Keys the combo passes on while the list is open: Up and Down move the
  // highlight, Return chooses it, Escape closes. True when the key was used.
  virtual bool OnKey(int virtualKey) = 0;
  virtual int Highlighted() const = 0;
};

}  // namespace scalewright
