// FixedText<N>: a text field of exactly N single-byte characters, padded on
// the right with spaces, as the installation file and its tables keep names.
// The characters are kept as they stand (Windows ANSI); nothing is decoded.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ordalis {

template <std::size_t N>
struct FixedText {
  static constexpr std::size_t kLength = N;

  // Blank: N spaces.
  std::array<char, N> chars;

  FixedText() { chars.fill(' '); }
  // The first N characters of text, padded with spaces.
  explicit FixedText(std::string_view text) { assign(text); }

  void assign(std::string_view text) {
    chars.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), N), chars.begin());
  }

  // All N characters, trailing spaces included.
  std::string str() const { return std::string(chars.begin(), chars.end()); }
  std::string_view view() const { return std::string_view(chars.data(), N); }
  // The text without its trailing spaces.
  std::string withoutTrailingSpaces() const {
    std::string_view text = view();
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
  }
  bool isBlank() const {
    return std::all_of(chars.begin(), chars.end(), [](char c) { return c == ' '; });
  }

  friend bool operator==(const FixedText&, const FixedText&) = default;
};

// Every name of the installation is a 50-character text.
constexpr std::size_t kNameLength = 50;
using NameText = FixedText<kNameLength>;

}  // namespace ordalis
