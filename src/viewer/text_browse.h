// The file viewer window's model, without any window system: one object per
// viewer window, holding its document (display lines, anchors, links), its
// flags, its back history and its load in progress. The front end owns the
// text widget; it passes where the widget stands (TViewPosition) to the
// operations below and applies the positions they return.
//
// Loading is incremental so that the window can process events between blocks:
//   if (browse.NeedsReload() && browse.BeginLoad(/*toTop=*/true)) {
//     while (browse.LoadStep()) { ShowProgress(browse.Progress()); PumpEvents(); }
//     browse.EndLoad();  // then mirror browse.Document() into the widget
//   }
// Esc during the loop calls RequestStop(). Load() does all of it at once.
// While a load runs, reloads and link clicks are ignored and closing only
// requests the stop.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "viewer/back_history.h"
#include "viewer/document_loader.h"
#include "viewer/link_targets.h"
#include "viewer/text_find.h"
#include "viewer/viewer_document.h"
#include "viewer/viewer_setup.h"

namespace gleaner {

// The host program's part of link following: the browser's folder list for
// "EXEC:KESTRASCAN" links (Culler sets it before showing its help pages).
const std::string& BrowserFolderList();
void SetBrowserFolderList(std::string folders);

struct TLoadProgress {
  bool Shown = false;  // a progress bar is wanted for this file
  std::int64_t Maximum = 0;
  std::int64_t Position = 0;
};

// The options dialog's values.
struct TViewerOptions {
  bool Textify = false;
  bool WordWrap = false;
  bool TooLarging = true;
  std::string MaxAddLines;  // as typed
};

struct TLinkOutcome {
  std::optional<TViewPosition> Position;   // where the view goes
  std::optional<TViewerSetup> OpenWindow;  // a linked document to open in a new window
};

class TTextBrowse {
 public:
  explicit TTextBrowse(TViewerSetup setup);
  ~TTextBrowse();
  TTextBrowse(const TTextBrowse&) = delete;
  TTextBrowse& operator=(const TTextBrowse&) = delete;

  const TViewerSetup& Setup() const { return setup_; }
  const TViewerDocument& Document() const { return document_; }
  bool Textify() const { return textify_; }
  bool WordWrap() const { return wordWrap_; }
  int DisplayWidth() const { return settings_.DisplayWidth; }
  // The label text: the title, or the file name when there is no title.
  std::string LabelText() const;

  // --- loading
  // True on the first activation, and afterwards when the file's time stamp
  // (or existence) changed since the last load; a window without a file loads
  // once. Never while a load runs.
  bool NeedsReload() const;
  // Starts a load: reads the settings, clears the document and the history,
  // opens the file. False when a load is already running.
  bool BeginLoad(bool toTop);
  // Loads one block; false once the file part is over or a stop was requested.
  bool LoadStep();
  // Adds the extra lines and the marker line; the load is over.
  void EndLoad();
  // The whole load, letting the user interface process events between blocks.
  void Load(bool toTop);
  void RequestStop() { stopRequested_ = loading_; }
  bool IsLoading() const { return loading_; }
  // Whether the load asked for the caret at the top (else the view stays).
  bool LoadsToTop() const { return toTop_; }
  TLoadProgress Progress() const;

  // --- toggles and options; each returns whether to reload from the top
  // (true) or in place (false). The caller then loads.
  bool ToggleTextify();
  bool ToggleWordWrap();
  bool ChangeDisplayWidth(int width);
  bool ApplyOptions(const TViewerOptions& options);
  // Title of the options dialog: the file name, or "Options".
  std::string OptionsTitle() const;

  // --- navigation
  // Saves the choice and searches from the top.
  std::optional<TViewPosition> Find(const TFindOptions& options, const TViewPosition& current);
  // Searches the saved text from the end of the selection.
  std::optional<TViewPosition> FindAgain(const TViewPosition& current);
  // The start of a line number as typed ("" gives nothing).
  std::optional<TViewPosition> GoToLine(std::string_view input);
  std::optional<TViewPosition> Back();
  TBackHistory& History() { return history_; }
  // A left click released at the caret; see link_targets.h for the kinds.
  TLinkOutcome FollowLink(const TViewPosition& current);

  // --- status
  std::string CaretStatus(const TViewPosition& current) const;
  std::string FlagsStatus() const;
  std::string LinesStatus() const;
  std::string GotoLineLabel() const;
  // The viewer's help document exists and this is not the help window.
  bool HelpAvailable() const;

  // --- closing: true when the window may close now. While loading it only
  // requests the stop; the caller closes when the load has ended.
  bool RequestClose();
  bool CloseRequested() const { return closeRequested_; }

 private:
  struct TFileState {
    bool Exists = false;
    std::filesystem::file_time_type Time{};
    bool operator==(const TFileState&) const = default;
  };
  TFileState CurrentFileState() const;
  std::optional<TViewPosition> ShowMatch(const TFindOptions& options, std::int64_t from,
                                         const TViewPosition& current);
  std::optional<TViewPosition> JumpToAnchor(std::string_view name, const TViewPosition& current);
  TLinkContext LinkContext() const;
  void StartProgram(const TLinkTarget& link);
  void OpenAddress(const std::string& address);
  TViewerSetup LinkedWindowSetup(const TLinkTarget& link) const;

  TViewerSetup setup_;
  TViewerDocument document_;
  TBackHistory history_;
  TLoadSettings settings_;
  std::unique_ptr<TDocumentLoader> loader_;
  bool textify_;
  bool wordWrap_;
  bool loading_ = false;
  bool stopRequested_ = false;
  bool closeRequested_ = false;
  bool toTop_ = true;
  bool loadedOnce_ = false;
  TFileState loadedState_;
};

}  // namespace gleaner
