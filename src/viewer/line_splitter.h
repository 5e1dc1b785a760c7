// Splits the bytes of a file into display lines: line ends, control
// characters, the display width, tags that do not count toward it in markup
// mode, and word wrap at break characters with continuation lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gleaner {

// The character that stands for control characters and binary noise (a middle dot).
inline constexpr char kNoiseChar = '\xB7';

// Receives each line the splitter ends.
class ILineSink {
 public:
  virtual ~ILineSink() = default;
  // continuation: the line carries on a paragraph wrapped at a break
  // character. Returns false to stop splitting (the display is full).
  virtual bool TakeLine(std::string_view line, bool continuation) = 0;
};

struct TSplitRules {
  int DisplayWidth = 80;
  bool WordWrap = false;
  bool MarkupMode = false;
  // The width counts characters of one to four bytes, a line is never cut
  // inside one, and the noise character is written in UTF-8.
  bool Utf8 = false;
};

class TLineSplitter {
 public:
  explicit TLineSplitter(const TSplitRules& rules);

  // Splits one block; the state carries over to the next. False when the sink stopped.
  bool Feed(std::string_view bytes, ILineSink& sink);
  // Hands over the last line when it holds text. False when the sink stopped.
  bool Finish(ILineSink& sink);

 private:
  void CountTagCharacter(char c);
  std::size_t ExtraBytes(char c) const;
  bool EndLine(ILineSink& sink);
  bool BreakFullLine(ILineSink& sink);
  void StartLine();

  TSplitRules rules_;
  std::size_t width_;
  std::string line_;
  std::string carry_;
  std::size_t allowed_;
  bool inTag_ = false;
  bool afterCr_ = false;
  bool continuation_ = false;
};

}  // namespace gleaner
