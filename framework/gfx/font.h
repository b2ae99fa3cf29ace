// A font as the drawing code sees it: a description (the part of the
// platform's LOGFONT that the product sets) and a shared handle that deletes
// the platform font when the last holder lets go.
#pragma once

#include <memory>
#include <string>

namespace scalewright::gfx {

struct FontDesc {
  int height = 0;    // negative: character height in pixels, as in LOGFONT
  int weight = 400;  // 700 = bold
  bool italic = false;
  bool underline = false;
  std::string face;
  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

class Font {
 public:
  virtual ~Font() = default;
  virtual const FontDesc& Desc() const = 0;
};

using FontPtr = std::shared_ptr<const Font>;

}  // namespace scalewright::gfx
