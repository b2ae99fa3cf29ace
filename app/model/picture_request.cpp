#include "app/model/picture_request.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>

namespace scalewright {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  text.remove_prefix(text.size() - end.size());
  for (std::size_t i = 0; i < end.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != end[i]) return false;
  }
  return true;
}

std::string Pixels(long long n) { return std::to_string(n) + (n == 1 ? " pixel" : " pixels"); }

}  // namespace

std::optional<PictureFormat> PictureFormatOf(std::string_view path) {
  if (EndsWithNoCase(path, ".png")) return PictureFormat::kPng;
  if (EndsWithNoCase(path, ".svg")) return PictureFormat::kSvg;
  return std::nullopt;
}

SPictureSize PictureSize(int viewWidth, int viewHeight, std::optional<long long> width) {
  SPictureSize size;
  if (viewWidth <= 0 || viewHeight <= 0) {
    size.error = "The board's window has no size to take a picture of.";
    return size;
  }
  if (!width) {
    // The view's own width, as large as a typed one may be.
    width = std::min<long long>(viewWidth, kMaxPictureSide);
  } else if (*width < 1 || *width > kMaxPictureSide) {
    size.error = "The picture's width must be from 1 to " + Pixels(kMaxPictureSide) + "; " +
                 std::to_string(*width) + " was given.";
    return size;
  }
  const long long height =
      std::llround(static_cast<double>(*width) * viewHeight / static_cast<double>(viewWidth));
  if (height > kMaxPictureSide) {
    size.error = "At " + Pixels(*width) + " wide the picture would be " + Pixels(height) +
                 " high; its sides can be at most " + Pixels(kMaxPictureSide) + ".";
    return size;
  }
  size.width = static_cast<int>(*width);
  size.height = height < 1 ? 1 : static_cast<int>(height);
  return size;
}

std::optional<long long> ParsePictureWidth(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value > (LLONG_MAX - 9) / 10 ? LLONG_MAX : value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

}  // namespace scalewright
