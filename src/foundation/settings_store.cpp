// The settings store over the INI file: typed values, window placement, combo
// box histories, string lists, notices and the guarded text-file opening.
#include "foundation/settings_store.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

#include "foundation/ini_file.h"
#include "foundation/numbers.h"
#include "foundation/win1252.h"
#include "platform/ports.h"

namespace gleaner {
namespace {

using TValues = std::vector<std::pair<std::string, std::string>>;

// The file's text while a batch is open.
struct TBatch {
  int depth = 0;
  TIniText text;
  std::string original;  // the file as read, so a save that changes nothing writes nothing
  bool loaded = false;   // the file could be read (or was missing)
  std::string loadError;
  bool changed = false;
  bool discarded = false;
};

struct TSettingsState {
  std::string iniFileName;
  std::string iniSection{kSettingsSection};
  std::string noticeCaption;
  std::string lastFileError;
  std::string lastSaveError;
  bool saveFailureTold = false;
  TBatch batch;
};

TSettingsState& State() {
  static TSettingsState state;
  return state;
}

// Works in another section for one operation and returns to "Settings"
// afterwards, also when the operation throws.
class SectionSwitch {
 public:
  explicit SectionSwitch(std::string_view section) { State().iniSection = section; }
  ~SectionSwitch() { State().iniSection = kSettingsSection; }
  SectionSwitch(const SectionSwitch&) = delete;
  SectionSwitch& operator=(const SectionSwitch&) = delete;
};

bool InBatch() { return State().batch.depth > 0; }

void LoadBatch() {
  TSettingsState& state = State();
  TBatch& batch = state.batch;
  std::string text;
  batch.loadError.clear();
  batch.loaded = !state.iniFileName.empty() && LoadIniFile(state.iniFileName, text, batch.loadError);
  batch.text = TIniText(text);
  batch.original = std::move(text);
  batch.changed = false;
}

void BeginBatch() {
  TBatch& batch = State().batch;
  if (batch.depth++ > 0) return;
  batch.discarded = false;
  LoadBatch();
}

// The first failure is told, so the user knows why settings come back stale;
// the work goes on with what the form holds.
void SaveFailed(const std::string& why) {
  TSettingsState& state = State();
  state.lastSaveError = why;
  if (state.saveFailureTold) return;
  state.saveFailureTold = true;
  ShowNotice("The settings could not be saved in " + state.iniFileName + ": " + why);
}

void WriteBatch() {
  TSettingsState& state = State();
  TBatch& batch = state.batch;
  if (!batch.loaded) return SaveFailed(batch.loadError);
  std::string why;
  if (!ReplaceIniFile(state.iniFileName, batch.text.Text(), why)) return SaveFailed(why);
  state.lastSaveError.clear();
  RemoveStaleIniTemporaries(state.iniFileName);
}

void EndBatch() {
  TBatch& batch = State().batch;
  if (--batch.depth > 0) return;
  const bool write = batch.changed && !batch.discarded && !State().iniFileName.empty() &&
                     (!batch.loaded || batch.text.Text() != batch.original);
  batch.original.clear();
  if (write) WriteBatch();
  batch.text = TIniText();
}

std::optional<std::string> ReadRaw(std::string_view key) {
  if (State().iniFileName.empty()) return std::nullopt;
  if (InBatch()) return State().batch.text.Read(State().iniSection, key);
  return IniReadValue(State().iniFileName, State().iniSection, key);
}

// The text of the open batch, for operations that read many keys.
const TIniText& BatchText() { return State().batch.text; }

void WriteValues(const TValues& values) {
  if (State().iniFileName.empty()) return;
  TSettingsBatch batch;
  TBatch& open = State().batch;
  for (const auto& [key, value] : values) open.text.Write(State().iniSection, key, value);
  open.changed = open.changed || !values.empty();
}

std::string NumberedKey(std::string_view name, std::size_t number) {
  return std::string(name) + "." + std::to_string(number);
}

// A stored size below 1 is damage, not a size: keep the current one.
int SizeOrCurrent(std::int32_t stored, int current) { return stored >= 1 ? stored : current; }

bool StaysOnScreen(const IPlaceableWindow& form, std::int64_t left, std::int64_t top) {
  return left >= -15 && top >= -15 && left + form.Width() <= std::int64_t{form.ScreenWidth()} + 15 &&
         top + form.Height() <= std::int64_t{form.ScreenHeight()} + 10;
}

bool OpenStream(std::ifstream& file, const std::string& name, bool readOnly, std::string& why) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(name, ec);
  if (std::filesystem::is_directory(status)) {
    why = std::strerror(EISDIR);
    return false;
  }
  // A pipe or device could block the program or never end.
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    why = "Not a regular file";
    return false;
  }
  if (file.is_open()) file.close();
  errno = 0;
  // Without readOnly the file is opened for update, so it must be writable too.
  const auto mode = readOnly ? std::ios::in : std::ios::in | std::ios::out;
  if (file.rdbuf()->open(name, mode) == nullptr) {
    why = errno != 0 ? std::strerror(errno) : "The file could not be opened";
    return false;
  }
  file.clear();
  return true;
}

}  // namespace

TSettingsBatch::TSettingsBatch() { BeginBatch(); }

// A failed save is told, never thrown: a destructor must not throw.
TSettingsBatch::~TSettingsBatch() {
  try {
    EndBatch();
  } catch (...) {
  }
}

void TSettingsBatch::Discard() { State().batch.discarded = true; }

const std::string& LastSaveError() { return State().lastSaveError; }

const std::string& IniFileName() { return State().iniFileName; }
// A batch open across the naming works on the named file from then on.
void SetIniFileName(std::string name) {
  State().iniFileName = std::move(name);
  if (InBatch()) LoadBatch();
}
const std::string& IniSection() { return State().iniSection; }

std::string ReadText(std::string_view key, std::string_view defaultValue) {
  return ReadRaw(key).value_or(std::string(defaultValue));
}

std::string ReadTextIn(std::string_view section, std::string_view key, std::string_view defaultValue) {
  SectionSwitch in(section);
  return ReadText(key, defaultValue);
}

void WriteText(std::string_view key, std::string_view value) {
  WriteValues({{std::string(key), std::string(value)}});
}

void WriteTextIn(std::string_view section, std::string_view key, std::string_view value) {
  SectionSwitch in(section);
  WriteText(key, value);
}

std::int32_t ReadInt(std::string_view key, std::int32_t defaultValue) {
  const std::optional<std::string> text = ReadRaw(key);
  if (!text || text->empty()) return defaultValue;
  std::int32_t value = 0;
  return TryParseInt32(*text, value) ? value : 0;
}

bool ReadBool(std::string_view key, bool defaultValue) {
  const std::optional<std::string> text = ReadRaw(key);
  if (!text || text->empty()) return defaultValue;
  return *text == "Y";
}

void WriteInt(std::string_view key, std::int64_t value) { WriteText(key, std::to_string(value)); }
void WriteBool(std::string_view key, bool value) { WriteText(key, value ? "Y" : "N"); }

void WriteCheckState(std::string_view key, TCheckState state) {
  WriteBool(key, state == TCheckState::Checked);
}

void RestoreWindow(IPlaceableWindow& form, std::string_view name) {
  SectionSwitch in(kWindowSection);
  const std::string prefix = name.empty() ? form.Name() : std::string(name);
  if (form.Resizable()) {
    const int height = SizeOrCurrent(ReadInt(prefix + ".Height", form.Height()), form.Height());
    const int width = SizeOrCurrent(ReadInt(prefix + ".Width", form.Width()), form.Width());
    form.SetBounds(form.Left(), form.Top(), width, height);
  }
  std::int32_t left = ReadInt(prefix + ".Left", (form.ScreenWidth() - form.Width()) / 2);
  std::int32_t top = ReadInt(prefix + ".Top", (form.ScreenHeight() - form.Height()) / 2);
  if (!form.Resizable() && !StaysOnScreen(form, left, top)) {
    left = std::max(0, (form.ScreenWidth() - form.Width()) / 2);
    top = std::max(0, (form.ScreenHeight() - form.Height()) / 2);
  }
  form.SetBounds(left, top, form.Width(), form.Height());
}

void SaveWindow(const IPlaceableWindow& form, std::string_view name) {
  SectionSwitch in(kWindowSection);
  const std::string prefix = name.empty() ? form.Name() : std::string(name);
  TValues values{{prefix + ".Left", std::to_string(form.Left())},
                 {prefix + ".Top", std::to_string(form.Top())}};
  if (form.Resizable()) {
    values.emplace_back(prefix + ".Width", std::to_string(form.Width()));
    values.emplace_back(prefix + ".Height", std::to_string(form.Height()));
  }
  WriteValues(values);
}

void SetRedraw(IPlaceableWindow& window, bool on) { window.SetRedraw(on); }

void LoadComboBox(IHistoryBox& box, std::string_view defaultText, int count) {
  TSettingsBatch batch;
  const TIniText& settings = BatchText();
  const std::string name = box.Name();
  std::vector<std::string>& items = box.Items();
  items.clear();
  for (int i = 1; i <= count; ++i) {
    std::string entry = settings.Read(IniSection(), NumberedKey(name, i)).value_or(std::string());
    if (!entry.empty()) items.push_back(std::move(entry));
  }
  box.SetText(settings.Read(IniSection(), name + ".Text").value_or(std::string(defaultText)));
}

void SaveComboBox(IHistoryBox& box) {
  const std::string name = box.Name();
  const std::vector<std::string>& items = box.Items();
  TValues values{{name + ".Text", box.Text()}};
  const std::size_t kept = std::min(items.size(), static_cast<std::size_t>(std::max(box.DropDownCount(), 0)));
  for (std::size_t i = 0; i < kept; ++i) values.emplace_back(NumberedKey(name, i + 1), items[i]);
  WriteValues(values);
}

void UpdateComboHistory(IHistoryBox& box, std::string_view text, bool ignoreCase) {
  if (box.Text().empty()) box.SetText(std::string(text));
  const std::string current = box.Text();
  if (current.empty()) return;
  std::vector<std::string>& items = box.Items();
  const auto found = std::find_if(items.begin(), items.end(), [&](const std::string& entry) {
    return ignoreCase ? SameTextIgnoreCase(entry, current) : entry == current;
  });
  const bool foundFirst = found != items.end() && found == items.begin();
  if (!foundFirst) {
    if (found != items.end()) items.erase(found);
    box.SetText(current);
    items.insert(items.begin(), current);
  }
  const std::size_t limit = static_cast<std::size_t>(std::max(box.DropDownCount(), 0));
  if (items.size() > limit) items.resize(limit);
}

void SaveStringList(const std::string& name, const std::vector<std::string>& list) {
  {
    SectionSwitch in(kStringListSection);
    TValues values;
    values.reserve(list.size() + 1);
    for (std::size_t i = 0; i < list.size(); ++i) values.emplace_back(NumberedKey(name, i), list[i]);
    values.emplace_back(NumberedKey(name, list.size()), std::string(kStringListEnd));
    WriteValues(values);
  }
  if (list.size() > kStringListWarnItems) {
    ShowNotice("Warning: TStringList " + name + " exceeds 450 items\r\nWill truncate at 500");
  }
}

void LoadStringList(const std::string& name, std::vector<std::string>& list) {
  TSettingsBatch batch;
  const TIniText& settings = BatchText();
  list.clear();
  for (int i = 0; i <= kStringListLastItem; ++i) {
    std::optional<std::string> item = settings.Read(kStringListSection, NumberedKey(name, i));
    if (!item || *item == kStringListEnd) break;
    list.push_back(std::move(*item));
  }
}

const std::string& NoticeCaption() { return State().noticeCaption; }
void SetNoticeCaption(std::string caption) { State().noticeCaption = std::move(caption); }

void ShowNotice(std::string_view text) {
  Ports().Notice->ShowNotice(NoticeCaption(), std::string(text) + "  ");
}

bool OpenTextForReading(std::ifstream& file, const std::string& name, bool& isOpen, bool readOnly) {
  if (isOpen) {
    State().lastFileError = "File " + name + " is already open";
    return false;
  }
  if (!OpenStream(file, name, readOnly, State().lastFileError)) return false;
  isOpen = true;
  return true;
}

const std::string& LastFileError() { return State().lastFileError; }

}  // namespace gleaner
