// What a picture export asks for: the format, told by the file's extension,
// and the size in pixels, the view's or a width the user gives with the
// height in the board's proportions. Both refuse what cannot be made, with
// the user's words for why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scalewright {

// The longest side of a picture: 16384 pixels, a 3000-pixel print picture
// five times over, and at 32 bits a bitmap of at most a gigabyte.
inline constexpr int kMaxPictureSide = 16384;

enum class PictureFormat { kPng, kSvg };

// By the extension, in any case: ".png" or ".svg"; empty for any other.
std::optional<PictureFormat> PictureFormatOf(std::string_view path);

struct SPictureSize {
  int width = 0;
  int height = 0;
  std::string error;  // set when there is no picture to make
  bool Ok() const { return error.empty(); }
};

// The view's size (|width| empty), or |width| pixels wide and as high as
// the view's proportions make it, rounded and at least one pixel.
SPictureSize PictureSize(int viewWidth, int viewHeight, std::optional<long long> width);

// A width as the user typed it: optional blanks, an optional sign, digits.
// Empty when the text is not a whole number (a number too large for 64 bits
// is taken as the largest).
std::optional<long long> ParsePictureWidth(std::string_view text);

}  // namespace scalewright
