// The settings store: user settings kept from one run to the next in one INI
// file (IniFileName). Outside a batch each read or write opens the file, does
// its one operation and closes it again; inside a TSettingsBatch the file is
// read once and written once, when the outermost batch ends. A missing file
// or key reads as the default. Values are
// text as it is, integers in decimal and Booleans "Y"/"N". Also here: window
// placement, combo box histories, whole string lists, the notice box, the
// guarded text-file opening and suspending window redraw.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace gleaner {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kWindowSection = "Window";
inline constexpr std::string_view kStringListSection = "StringLists";
// Closes a saved string list: "[(", two long dashes (0x97), "END", two long dashes, ")]".
inline constexpr std::string_view kStringListEnd =
    "[(\x97\x97"
    "END\x97\x97"
    ")]";
// A string list of more items than this draws a warning when saved.
inline constexpr std::size_t kStringListWarnItems = 450;
// Loading reads item numbers 0 to this one at most.
inline constexpr int kStringListLastItem = 500;

// The settings file; empty until start-up names it (writes to an empty name fail silently).
const std::string& IniFileName();
void SetIniFileName(std::string name);
// The default section; always "Settings" between operations.
const std::string& IniSection();

// Groups the store's operations (loading a form, saving its settings): the
// file is read when the outermost batch begins and written, atomically and
// only when something changed, when it ends. Nested batches join it.
//
//   { TSettingsBatch batch; WriteText("A", "1"); WriteText("B", "2"); }  // one write
class TSettingsBatch {
 public:
  TSettingsBatch();
  ~TSettingsBatch();
  TSettingsBatch(const TSettingsBatch&) = delete;
  TSettingsBatch& operator=(const TSettingsBatch&) = delete;
  // Drops every change of the outermost batch: the file stays as it was.
  void Discard();
};

// Why the latest save of the settings file failed; empty after a good one.
// The first failure of a program run is also shown once as a notice.
const std::string& LastSaveError();

std::string ReadText(std::string_view key, std::string_view defaultValue);
std::string ReadTextIn(std::string_view section, std::string_view key, std::string_view defaultValue);
// A failed write is told once (see LastSaveError); CR and LF in a value are stored as blanks.
void WriteText(std::string_view key, std::string_view value);
void WriteTextIn(std::string_view section, std::string_view key, std::string_view value);

// Missing or empty: defaultValue; an optional sign and digits within 32 bits:
// the number; anything else: 0.
std::int32_t ReadInt(std::string_view key, std::int32_t defaultValue);
// Missing or empty: defaultValue; else true exactly when the text is "Y".
bool ReadBool(std::string_view key, bool defaultValue);
void WriteInt(std::string_view key, std::int64_t value);
void WriteBool(std::string_view key, bool value);

enum class TCheckState { Unchecked, Checked, Grayed };
// "Y" when checked, otherwise "N".
void WriteCheckState(std::string_view key, TCheckState state);

// A form whose place and size are remembered.
class IPlaceableWindow {
 public:
  virtual ~IPlaceableWindow() = default;
  virtual std::string Name() const = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // A sizeable frame (normal or tool window); fixed frames keep their size.
  virtual bool Resizable() const = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  // Off stops repainting; on allows it and repaints the window, frame and children.
  virtual void SetRedraw(bool on) = 0;
};

// Place (and, when resizable, size) from section "Window", keys name + ".Left",
// ".Top", ".Width", ".Height"; name defaults to the form's name. A fixed-frame
// form that would leave the screen is centred instead.
void RestoreWindow(IPlaceableWindow& form, std::string_view name = {});
void SaveWindow(const IPlaceableWindow& form, std::string_view name = {});

void SetRedraw(IPlaceableWindow& window, bool on);

// A combo box with a history list, most recent first.
class IHistoryBox {
 public:
  virtual ~IHistoryBox() = default;
  virtual std::string Name() const = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::vector<std::string>& Items() = 0;
  // How many history entries the box keeps.
  virtual int DropDownCount() const = 0;
};

// Entries from name + ".1" .. name + "." + count (empty ones skipped), the text
// from name + ".Text" or defaultText.
void LoadComboBox(IHistoryBox& box, std::string_view defaultText, int count);
void SaveComboBox(IHistoryBox& box);
// Moves the box's text (or text, when the box's is empty) to the top of the
// history and trims the history to the drop-down count.
void UpdateComboHistory(IHistoryBox& box, std::string_view text, bool ignoreCase);

// Whole lists in section "StringLists": items under name + ".0", ".1", ...
// then the end marker. Saving more than 450 items shows a warning; loading
// stops at the end marker or after 501 items.
void LoadStringList(const std::string& name, std::vector<std::string>& list);
void SaveStringList(const std::string& name, const std::vector<std::string>& list);

// Caption of notice boxes (the program name once start-up knows it).
const std::string& NoticeCaption();
void SetNoticeCaption(std::string caption);
// A modal notice with caption NoticeCaption(), the text followed by two blanks.
void ShowNotice(std::string_view text);

// Opens name for reading unless isOpen is already set; without readOnly the
// file must also be writable. On failure returns false and LastFileError()
// says why; on success sets isOpen.
bool OpenTextForReading(std::ifstream& file, const std::string& name, bool& isOpen, bool readOnly);
const std::string& LastFileError();

}  // namespace gleaner
