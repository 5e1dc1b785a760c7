// Loads a file into a viewer document one block at a time, so that the window
// can process events (and a stop request) between blocks: splitting into
// display lines, the completion step of each line (comment lines, the line
// limit, entities, noise suppression, tags), the extra lines and the marker
// lines. A UTF-8 document is kept in UTF-8 (see TTextDisplay::Utf8).
// Messages go to the notice box.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/text_encoding.h"
#include "viewer/line_splitter.h"
#include "viewer/markup_tags.h"
#include "viewer/viewer_document.h"

namespace gleaner {

inline constexpr std::size_t kLoadBlockSize = 2048;

struct TLoadSettings {
  int DisplayWidth = 80;
  int LineLimit = 25001;   // display lines at most; "MaxAddLines" + 1
  bool TooLarging = true;  // show the too-large message
  bool MarkupMode = false;
  bool WordWrap = false;
  bool Textify = false;
};

class TDocumentLoader : private ILineSink {
 public:
  // Clears the document and prepares to fill it.
  TDocumentLoader(TViewerDocument& document, const TLoadSettings& settings);
  ~TDocumentLoader() override;
  TDocumentLoader(const TDocumentLoader&) = delete;
  TDocumentLoader& operator=(const TDocumentLoader&) = delete;

  // Opens the file; "None" means there is none. A missing or unopenable file
  // is reported and gives false; loading is then over.
  bool Open(const std::string& fileName);
  // Reads and splits one block. False once the file part is over: end of
  // file, line limit, or a read failure.
  bool Step();
  // Adds the extra lines and the closing marker (" LOADING INTERRUPTED " when
  // stopped). Call once, after Step() returned false or a stop was requested.
  void Finish(const std::vector<std::string>& extraLines, bool stopped);

  // The progress bar is shown for files above 30,000 bytes in markup mode,
  // above 60,000 otherwise; it runs from 0 to the size less one block.
  bool ShowsProgress() const;
  std::int64_t ProgressMax() const { return fileSize_ - static_cast<std::int64_t>(kLoadBlockSize); }
  std::int64_t BytesRead() const { return bytesRead_; }
  bool TooLarge() const { return tooLarge_; }

 private:
  bool TakeLine(std::string_view line, bool continuation) override;
  bool Complete(std::string text, bool continuation);
  void AppendLine(std::string text);
  void RejectTooLarge();
  void AddMarker(std::string_view text);
  void CloseFile();

  TViewerDocument& document_;
  TLoadSettings settings_;
  TLineSplitter splitter_;
  std::string fileName_;
  std::FILE* file_ = nullptr;
  std::int64_t fileSize_ = 0;
  std::int64_t bytesRead_ = 0;
  bool fileOver_ = true;
  bool empty_ = false;
  bool readFailed_ = false;
  bool tooLarge_ = false;
  TTextAttributes current_;  // markup attributes in force, carried from line to line
  std::vector<TTagEvent> events_;
  std::unique_ptr<char[]> block_;
  bool utf8_ = false;  // the file is a UTF-8 document
};

}  // namespace gleaner
