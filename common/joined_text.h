#pragma once

// ASCII texts joined at compile time, so that a name is spelled once and the texts built from it
// (registry paths, messages) follow it, in narrow characters and in wide ones for Win32 calls.

#include <array>
#include <cstddef>
#include <string_view>

namespace quillmere {

// A text joined at compile time, so longer paths are built from the names they contain.
template <std::size_t N>
struct JoinedText {
  std::array<char, N + 1> chars{};
  constexpr operator std::string_view() const noexcept { return {chars.data(), N}; }
  constexpr const char* c_str() const noexcept { return chars.data(); }
};

template <typename Part>
struct TextLength;
template <std::size_t N>
struct TextLength<char[N]> {
  static constexpr std::size_t value = N - 1;
};
template <std::size_t N>
struct TextLength<JoinedText<N>> {
  static constexpr std::size_t value = N;
};

template <typename... Parts>
constexpr auto Join(const Parts&... parts) {
  JoinedText<(TextLength<Parts>::value + ...)> joined;
  std::size_t at = 0;
  const auto append = [&](std::string_view part) {
    for (char c : part) joined.chars[at++] = c;
  };
  (append(std::string_view(parts)), ...);
  return joined;
}

// The same ASCII text in wide characters, for Win32 calls.
template <std::size_t N>
struct WideText {
  std::array<wchar_t, N + 1> chars{};
  constexpr operator std::wstring_view() const noexcept { return {chars.data(), N}; }
  constexpr const wchar_t* c_str() const noexcept { return chars.data(); }
};

template <std::size_t N>
constexpr WideText<N> Widened(const JoinedText<N>& text) {
  WideText<N> wide;
  for (std::size_t i = 0; i < N; ++i) wide.chars[i] = static_cast<wchar_t>(text.chars[i]);
  return wide;
}

}  // namespace quillmere
