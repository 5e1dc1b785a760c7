// The viewer window's model: loading with its settings and re-entry rules,
// toggles and options, find, go to line, back, link following and status.
#include "viewer/text_browse.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "foundation/mixed_text.h"
#include "foundation/numbers.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "foundation/text_utils.h"
#include "foundation/win1252.h"
#include "platform/file_search.h"
#include "platform/ports.h"
#include "platform/shell_port.h"
#include "viewer/status_texts.h"
#include "viewer/viewer_settings.h"

namespace gleaner {
namespace {

constexpr std::string_view kAboutAnchor = "AUTABOUT";
constexpr std::string_view kAboutMissing =
    "This \"About\" section is normally added automatically \r\n"
    "by the application or script this document describes,\r\n"
    "but since you are viewing the file directly the link\r\n"
    "is not available.";

std::string& FolderListForBrowser() {
  static std::string folders;
  return folders;
}

}  // namespace

const std::string& BrowserFolderList() { return FolderListForBrowser(); }

void SetBrowserFolderList(std::string folders) { FolderListForBrowser() = std::move(folders); }

TTextBrowse::TTextBrowse(TViewerSetup setup)
    : setup_(std::move(setup)), textify_(setup_.Textify), wordWrap_(setup_.WordWrap) {
  setup_.SearchPath = NormaliseSearchPath(setup_.SearchPath);
  settings_.DisplayWidth = ReadDisplayWidth(setup_.SettingsName);
  settings_.LineLimit = ReadMaxAddLines() + 1;
  settings_.TooLarging = ReadTooLarging();
}

TTextBrowse::~TTextBrowse() = default;

std::string TTextBrowse::LabelText() const { return setup_.Title.empty() ? setup_.FileName : setup_.Title; }

TTextBrowse::TFileState TTextBrowse::CurrentFileState() const {
  TFileState state;
  if (!setup_.HasFile()) return state;
  std::error_code error;
  const std::string name = SystemName(setup_.FileName);
  state.Exists = std::filesystem::exists(name, error);
  if (state.Exists) state.Time = std::filesystem::last_write_time(name, error);
  return state;
}

bool TTextBrowse::NeedsReload() const {
  if (loading_) return false;
  if (!loadedOnce_) return true;
  return setup_.HasFile() && CurrentFileState() != loadedState_;
}

bool TTextBrowse::BeginLoad(bool toTop) {
  if (loading_) return false;
  settings_.DisplayWidth = ReadDisplayWidth(setup_.SettingsName);
  settings_.LineLimit = ReadMaxAddLines() + 1;
  settings_.TooLarging = ReadTooLarging();
  settings_.MarkupMode = setup_.MarkupMode;
  settings_.WordWrap = wordWrap_;
  settings_.Textify = textify_;
  loading_ = true;
  stopRequested_ = false;
  toTop_ = toTop;
  loadedOnce_ = true;
  loadedState_ = CurrentFileState();
  history_.Clear();
  loader_ = std::make_unique<TDocumentLoader>(document_, settings_);
  if (!loader_->Open(setup_.FileName)) loader_.reset();
  return true;
}

bool TTextBrowse::LoadStep() {
  if (!loader_ || stopRequested_) return false;
  return loader_->Step();
}

void TTextBrowse::EndLoad() {
  if (!loading_) return;
  if (loader_) loader_->Finish(setup_.ExtraLines, stopRequested_);
  loader_.reset();
  loading_ = false;
}

void TTextBrowse::Load(bool toTop) {
  if (!BeginLoad(toTop)) return;
  while (LoadStep()) Ports().EventPump->PumpEvents();
  EndLoad();
}

TLoadProgress TTextBrowse::Progress() const {
  if (!loader_) return {};
  return {loader_->ShowsProgress(), loader_->ProgressMax(), loader_->BytesRead()};
}

bool TTextBrowse::ToggleTextify() {
  textify_ = !textify_;
  return false;
}

bool TTextBrowse::ToggleWordWrap() {
  wordWrap_ = !wordWrap_;
  return true;
}

bool TTextBrowse::ChangeDisplayWidth(int width) {
  WriteDisplayWidth(setup_.SettingsName, width);
  return true;
}

bool TTextBrowse::ApplyOptions(const TViewerOptions& options) {
  textify_ = options.Textify;
  wordWrap_ = options.WordWrap;
  std::string digits;
  for (char c : options.MaxAddLines) {
    if (std::string_view("-_+.").find(c) == std::string_view::npos) digits += c;
  }
  std::int32_t lines = 0;
  if (TryParseInt32(TrimBlanks(digits), lines) && lines >= 0) {
    lines = std::min(lines, kMaxMaxAddLines);
    if (lines + 1 != settings_.LineLimit) {
      WriteMaxAddLines(lines);
      settings_.LineLimit = lines + 1;
    }
  }
  if (options.TooLarging != settings_.TooLarging) {
    WriteTooLarging(options.TooLarging);
    settings_.TooLarging = options.TooLarging;
  }
  return true;
}

std::string TTextBrowse::OptionsTitle() const { return setup_.HasFile() ? setup_.FileName : "Options"; }

std::optional<TViewPosition> TTextBrowse::Find(const TFindOptions& options, const TViewPosition& current) {
  if (loading_) return std::nullopt;
  WriteFindOptions(options);
  return ShowMatch(options, 0, current);
}

std::optional<TViewPosition> TTextBrowse::FindAgain(const TViewPosition& current) {
  if (loading_) return std::nullopt;
  return ShowMatch(ReadFindOptions(), current.Caret + current.SelectionLength, current);
}

// A match is selected and shown two lines below the top of the view.
std::optional<TViewPosition> TTextBrowse::ShowMatch(const TFindOptions& typed, std::int64_t from,
                                                    const TViewPosition& current) {
  if (typed.Text.empty()) return std::nullopt;
  // The text as typed (UTF-8) or as saved by an older version (Windows-1252), in the document's encoding.
  TFindOptions options = typed;
  options.Text = InEncoding(typed.Text, document_.Display.Utf8() ? TextEncoding::kUtf8 : TextEncoding::kWindows1252);
  const std::int64_t found = FindText(document_.Display, options, from);
  if (found < 0) {
    ShowNotice("\"" + typed.Text + "\" not found");
    return std::nullopt;
  }
  history_.Push(current);
  const int line = document_.Display.LineFromPosition(found);
  return TViewPosition{line > 1 ? line - 2 : line, found, static_cast<std::int64_t>(options.Text.size())};
}

std::optional<TViewPosition> TTextBrowse::GoToLine(std::string_view input) {
  const std::string_view typed = TrimBlanks(input);
  if (loading_ || typed.empty()) return std::nullopt;
  WriteGotoLine(typed);
  std::int32_t number = 1;
  if (!TryParseInt32(typed, number) || number < 1) number = 1;
  const int line = std::max(0, std::min(number, document_.Display.LineCount()) - 1);
  return TViewPosition{line, document_.Display.LineStart(line), 0};
}

std::optional<TViewPosition> TTextBrowse::Back() {
  if (loading_) return std::nullopt;
  return history_.Pop();
}

TLinkOutcome TTextBrowse::FollowLink(const TViewPosition& current) {
  const TTextDisplay& display = document_.Display;
  if (loading_ || !setup_.MarkupMode || current.SelectionLength != 0 || display.LineCount() == 0) return {};
  const int line = display.LineFromPosition(current.Caret);
  const std::int64_t lineStart = display.LineStart(line);
  const TDisplayLine& text = display.Line(line);
  int column = static_cast<int>(
      std::clamp<std::int64_t>(current.Caret - lineStart, 0, static_cast<std::int64_t>(text.Text.size())));
  // The caret's character is the one before it, as in the text widget, except at a line start.
  const int probe = column > 0 ? column - 1 : 0;
  if (probe >= static_cast<int>(text.Text.size()) || text.AttributesAt(probe).Colour != kLinkColour)
    return {};
  const std::string* target = document_.Links.Find(line);
  if (target == nullptr && line > 0) target = document_.Links.Find(line - 1);
  if (target == nullptr) return {};
  while (column > 0 && text.AttributesAt(column - 1).Colour == kLinkColour) --column;
  const TViewPosition here{current.FirstVisibleLine, lineStart + column, 0};
  TLinkOutcome outcome{here, std::nullopt};
  const TLinkTarget link = ResolveLink(*target, LinkContext());
  switch (link.Kind) {
    case TLinkKind::Anchor:
      if (auto jump = JumpToAnchor(link.Anchor, here)) outcome.Position = jump;
      break;
    case TLinkKind::Address:
      OpenAddress(link.Address);
      break;
    case TLinkKind::Program:
      StartProgram(link);
      break;
    case TLinkKind::Document:
      outcome.OpenWindow = LinkedWindowSetup(link);
      break;
    case TLinkKind::None:
      break;
  }
  return outcome;
}

std::optional<TViewPosition> TTextBrowse::JumpToAnchor(std::string_view name, const TViewPosition& current) {
  const std::optional<int> line = document_.Anchors.Find(name);
  if (!line) {
    if (SameTextIgnoreCase(name, kAboutAnchor)) ShowNotice(kAboutMissing);
    return std::nullopt;
  }
  history_.Push(current);
  return TViewPosition{*line, document_.Display.LineStart(*line), 0};
}

TLinkContext TTextBrowse::LinkContext() const {
  return {setup_.FileName, setup_.SearchPath, HomeFolder(), RunningProgramFolder(), BrowserFolderList()};
}

void TTextBrowse::StartProgram(const TLinkTarget& link) {
  std::string error;
  if (!ShellPort().StartProgram(link.Program, link.Arguments, link.WorkingFolder, error)) {
    ShowNotice("Could not start " + link.Program + "\r\n" + error);
  }
}

void TTextBrowse::OpenAddress(const std::string& address) {
  std::string error;
  if (!ShellPort().OpenAddress(address, error)) ShowNotice("Could not open " + address + "\r\n" + error);
}

TViewerSetup TTextBrowse::LinkedWindowSetup(const TLinkTarget& link) const {
  TViewerSetup linked;
  linked.SearchPath = setup_.SearchPath;
  linked.MarkupMode = link.DocumentMarkup;
  linked.WordWrap = link.DocumentMarkup;
  linked.BackgroundColour = 0xFFFFFF;
  linked.Title = link.DocumentTitle;
  linked.Caption = "Linked file";
  linked.SettingsName = kLinkedFileSettings;
  linked.FileName = link.DocumentFile;
  return linked;
}

std::string TTextBrowse::CaretStatus(const TViewPosition& current) const {
  return gleaner::CaretStatus(document_.Display, current.Caret, current.SelectionLength);
}

std::string TTextBrowse::FlagsStatus() const { return gleaner::FlagsStatus(textify_, wordWrap_); }

std::string TTextBrowse::LinesStatus() const {
  std::optional<std::time_t> saved;
  if (setup_.HasFile() && loadedState_.Exists) {
    const auto when = std::chrono::file_clock::to_sys(loadedState_.Time);
    saved = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(when));
  }
  return gleaner::LinesStatus(document_, saved);
}

std::string TTextBrowse::GotoLineLabel() const { return gleaner::GotoLineLabel(document_); }

bool TTextBrowse::HelpAvailable() const {
  return setup_.SettingsName != kViewerHelpSettings &&
         FileExists(ShippedFile(kViewerHelpFile));
}

bool TTextBrowse::RequestClose() {
  if (loading_) {
    stopRequested_ = true;
    closeRequested_ = true;
    return false;
  }
  textify_ = setup_.Textify;
  wordWrap_ = setup_.WordWrap;
  document_.Anchors.Clear();
  document_.Links.Clear();
  return true;
}

}  // namespace gleaner
