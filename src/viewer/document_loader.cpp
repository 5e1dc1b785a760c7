// Loading a file into a viewer document. The line limit is checked before each
// line is appended: the line that would pass it ends the load, and the last
// line shown gives way to the too-large marker. Rule lines of headings are
// added around their heading without counting toward the limit.
#include "viewer/document_loader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

#include "foundation/settings_store.h"
#include "foundation/text_encoding.h"
#include "platform/file_search.h"
#include "viewer/entities.h"
#include "viewer/textify.h"

namespace gleaner {
namespace {

constexpr std::string_view kNoFile = "None";
constexpr std::string_view kCommentStart = "<!--";
constexpr std::int64_t kMarkupProgressSize = 30000;
constexpr std::int64_t kPlainProgressSize = 60000;
constexpr int kMaxRuleLength = 1000;

constexpr std::string_view kTooLargeText =
    "The file is too large to be completely displayed.\r\n\r\n"
    "This is a limitation of the file viewer.\r\n"
    "The file itself is not affected.\r\n\r\n"
    "To increase maximum lines (up to 99,999), click the Options button.";

void ReportOpenFailure(const std::string& fileName, const std::string& reason) {
  ShowNotice("Could not open " + fileName + "\r\nError message: " + reason +
             "\r\n\r\nThis appears to be an internal program error.\r\nPlease inform the programmer.");
}

void TrimSpaces(std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  text.erase(0, first);
}

}  // namespace

TDocumentLoader::TDocumentLoader(TViewerDocument& document, const TLoadSettings& settings)
    : document_(document),
      settings_(settings),
      splitter_({settings.DisplayWidth, settings.WordWrap, settings.MarkupMode}),
      block_(new char[kLoadBlockSize]) {
  document_.Clear();
}

TDocumentLoader::~TDocumentLoader() { CloseFile(); }

bool TDocumentLoader::Open(const std::string& fileName) {
  fileName_ = fileName;
  if (fileName == kNoFile) return true;
  const std::string systemName = SystemName(fileName);
  std::error_code error;
  const auto status = std::filesystem::status(systemName, error);
  if (!std::filesystem::exists(status)) {
    if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
      ReportOpenFailure(fileName, error.message());
    } else {
      ShowNotice(fileName + " not found");
    }
    return false;
  }
  // Anything but a regular file (a folder, a pipe, a device) could block or never end.
  if (!std::filesystem::is_regular_file(status)) {
    ReportOpenFailure(fileName, "Not a regular file");
    return false;
  }
  file_ = std::fopen(systemName.c_str(), "rb");
  if (file_ == nullptr) {
    ReportOpenFailure(fileName, std::strerror(errno));
    return false;
  }
  fileSize_ = static_cast<std::int64_t>(std::filesystem::file_size(systemName, error));
  if (error) fileSize_ = 0;
  utf8_ = FileIsUtf8(systemName);
  document_.Display.SetUtf8(utf8_);
  splitter_ = TLineSplitter({settings_.DisplayWidth, settings_.WordWrap, settings_.MarkupMode, utf8_});
  fileOver_ = false;
  return true;
}

bool TDocumentLoader::Step() {
  if (fileOver_) return false;
  const std::size_t got = std::fread(block_.get(), 1, kLoadBlockSize, file_);
  bytesRead_ += static_cast<std::int64_t>(got);
  const std::string_view text(block_.get(), got);
  if (!text.empty() && !splitter_.Feed(text, *this)) {
    fileOver_ = true;
  } else if (got < kLoadBlockSize) {
    const bool failed = std::ferror(file_) != 0;
    const int reason = errno;
    if (bytesRead_ == 0 && !failed) {
      empty_ = true;
    } else {
      splitter_.Finish(*this);
    }
    if (failed && !tooLarge_) {
      readFailed_ = true;
      ShowNotice("Could not read " + fileName_ + "\r\nError message: " + std::strerror(reason));
    }
    fileOver_ = true;
  }
  if (fileOver_) CloseFile();
  return !fileOver_;
}

void TDocumentLoader::Finish(const std::vector<std::string>& extraLines, bool stopped) {
  CloseFile();
  fileOver_ = true;
  if (empty_) AddMarker(kEmptyFileMarker);
  for (const std::string& line : extraLines) {
    if (tooLarge_ || !Complete(line, false)) break;
  }
  if (empty_ || tooLarge_) return;
  if (stopped || readFailed_) {
    document_.Incomplete = true;
    AddMarker(kInterruptedMarker);
  } else {
    AddMarker(kEndOfFileMarker);
  }
}

bool TDocumentLoader::ShowsProgress() const {
  return fileSize_ > (settings_.MarkupMode ? kMarkupProgressSize : kPlainProgressSize);
}

bool TDocumentLoader::TakeLine(std::string_view line, bool continuation) {
  return Complete(std::string(line), continuation);
}

bool TDocumentLoader::Complete(std::string text, bool continuation) {
  if (settings_.MarkupMode && text.starts_with(kCommentStart)) return true;
  if (continuation) TrimSpaces(text);
  if (document_.Display.LineCount() + 1 > settings_.LineLimit) {
    RejectTooLarge();
    return false;
  }
  try {
    AppendLine(std::move(text));
  } catch (const std::bad_alloc&) {
    RejectTooLarge();
    return false;
  } catch (const std::exception&) {
    ShowNotice("Error PE-DF-AS");
  }
  return true;
}

void TDocumentLoader::AppendLine(std::string text) {
  TDisplayLine line{std::move(text), {}};
  if (settings_.MarkupMode) {
    ReplaceEntities(line.Text, utf8_);
  } else if (settings_.Textify) {
    Textify(line.Text);
  }
  document_.EndsWithMarker = false;
  if (!settings_.MarkupMode) {
    document_.Display.Append(std::move(line));
    return;
  }
  ApplyTags(line, current_, events_);
  const int ruleLength = std::min(std::max(settings_.DisplayWidth, 0), kMaxRuleLength);
  int index = document_.Display.LineCount();
  std::string rulesAfter;
  for (TTagEvent& event : events_) {
    switch (event.Kind) {
      case TTagEventKind::RuleAbove:
        document_.Display.Append({std::string(static_cast<std::size_t>(ruleLength), event.RuleChar), {}});
        ++index;
        break;
      case TTagEventKind::RuleAfter:
        rulesAfter += event.RuleChar;
        break;
      case TTagEventKind::Anchor:
        document_.Anchors.Add(event.Value, index);
        break;
      case TTagEventKind::Link:
        document_.Links.Add(index, std::move(event.Value));
        break;
    }
  }
  document_.Display.Append(std::move(line));
  for (char rule : rulesAfter) {
    document_.Display.Append({std::string(static_cast<std::size_t>(ruleLength), rule), {}});
  }
}

void TDocumentLoader::RejectTooLarge() {
  tooLarge_ = true;
  document_.Incomplete = true;
  if (settings_.TooLarging) ShowNotice(kTooLargeText);
  if (document_.Display.LineCount() > 2) {
    document_.Display.ReplaceLast({MarkerLine(kTooLargeMarker), {}});
    document_.EndsWithMarker = true;
  }
}

void TDocumentLoader::AddMarker(std::string_view text) {
  try {
    document_.Display.Append({MarkerLine(text), {}});
    document_.EndsWithMarker = true;
  } catch (const std::bad_alloc&) {
    document_.Incomplete = true;
    ShowNotice("Warning:  file viewer is full; \"END OF FILE\" marker omitted");
  }
}

void TDocumentLoader::CloseFile() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

}  // namespace gleaner
