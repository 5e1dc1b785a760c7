// Noise suppression of one line, in four passes: classify each character
// (separators and letters stay, everything else, digits included, is noise,
// as are neighbouring high-bit characters), drop lone kept characters between
// noise, turn noise into dots, then dot out runs between dots that carry no
// vowel or digit after their first character.
#include "viewer/textify.h"

#include <array>
#include <string_view>
#include <vector>

#include "foundation/win1252.h"
#include "viewer/line_splitter.h"

namespace gleaner {
namespace {

constexpr std::string_view kSeparators = " !),-.:;?";

constexpr std::array<bool, 256> MakeVowelsAndDigits() {
  std::array<bool, 256> set{};
  for (char c : std::string_view("aeiouyAEIOUY0123456789")) set[static_cast<unsigned char>(c)] = true;
  const int ranges[][2] = {{159, 159}, {192, 198}, {200, 207}, {210, 214}, {216, 221}, {224, 230},
                           {232, 239}, {240, 240}, {242, 246}, {248, 253}, {255, 255}};
  for (const auto& range : ranges) {
    for (int c = range[0]; c <= range[1]; ++c) set[c] = true;
  }
  return set;
}

constexpr std::array<bool, 256> kVowelsAndDigits = MakeVowelsAndDigits();

bool IsVowelOrDigit(char c) { return kVowelsAndDigits[static_cast<unsigned char>(c)]; }
bool HighBit(char c) { return static_cast<unsigned char>(c) >= 128; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return HasCase(c) && AnsiUpper(c) == c; }

std::vector<bool> ClassifyNoise(const std::string& line) {
  const std::size_t n = line.size();
  std::vector<bool> noise(n);
  for (std::size_t i = 0; i < n; ++i) {
    noise[i] = kSeparators.find(line[i]) == std::string_view::npos && !HasCase(line[i]);
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (HighBit(line[i]) && HighBit(line[i + 1])) noise[i] = noise[i + 1] = true;
  }
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (!noise[i] && noise[i - 1] && noise[i + 1]) noise[i] = true;
  }
  return noise;
}

// Runs start at the second character or after a dot; a run starting at the
// last character is left alone.
void DotOutVowellessRuns(std::string& line) {
  const std::size_t n = line.size();
  for (std::size_t start = 1; start + 1 < n; ++start) {
    if (line[start] == kNoiseChar || (start > 1 && line[start - 1] != kNoiseChar)) continue;
    std::size_t end = start;
    bool voiced = false;
    while (end < n && line[end] != kNoiseChar) {
      if (end > start && IsVowelOrDigit(line[end])) voiced = true;
      ++end;
    }
    if (!voiced)
      std::fill(line.begin() + static_cast<std::ptrdiff_t>(start),
                line.begin() + static_cast<std::ptrdiff_t>(end), kNoiseChar);
    start = end;
  }
}

}  // namespace

void Textify(std::string& line) {
  const std::vector<bool> noise = ClassifyNoise(line);
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (noise[i]) line[i] = kNoiseChar;
  }
  DotOutVowellessRuns(line);
  const std::size_t n = line.size();
  if (n >= 3 && line[n - 3] == kNoiseChar && line[n - 2] == kNoiseChar && !IsDigit(line[n - 1]) &&
      !IsUpperLetter(line[n - 1])) {
    line[n - 1] = kNoiseChar;
  }
}

}  // namespace gleaner
