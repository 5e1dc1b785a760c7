// The hashed lookup table against a plain model (an ordered map of the
// upper-cased keys) on generated keys: letter case, accented letters, long
// keys, missing keys and empty data; built entry by entry and loaded from a
// file in place.
#include "engine/lookup_table.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "engine/engine_state.h"
#include "engine/lookup_files.h"
#include "foundation/text_model.h"
#include "foundation/win1252.h"
#include "support/temp_folder.h"
#include "support/text_model_scope.h"

namespace gleaner {
namespace {

struct TModelEntry {
  std::string Key;
  std::string Data;
};
using TModel = std::map<std::string, TModelEntry>;  // by upper-cased key

// Letters in both cases, accented ones included (é/É, ÿ/Ÿ in Windows-1252).
const std::string kAlphabet = "aAbBzZ09_\xE9\xC9\xFF\x9F";

std::string RandomText(std::mt19937& random, std::size_t maxLength) {
  std::string text(random() % (maxLength + 1), ' ');
  for (char& c : text) c = kAlphabet[random() % kAlphabet.size()];
  return text;
}

// Flips the letter case of some characters.
std::string Recased(std::mt19937& random, std::string text) {
  for (char& c : text) {
    if (random() % 2 == 0) continue;
    const char upper = AnsiUpper(c);
    c = upper != c ? upper : AnsiLower(c);
  }
  return text;
}

// Keys unique regardless of case, long ones among them (longer than one
// length byte), some data empty.
TModel Generate(std::mt19937& random, int count) {
  TModel model;
  while (static_cast<int>(model.size()) < count) {
    const std::string key = RandomText(random, random() % 10 == 0 ? 300 : 12);
    if (key.empty()) continue;
    model.emplace(AnsiUpperCase(key), TModelEntry{key, RandomText(random, random() % 10 == 0 ? 200 : 6)});
  }
  return model;
}

void ExpectKeyOrder(const TLuKeys& table, const TModel& model);

void ExpectSameAsModel(const TLuKeys& table, const TModel& model, std::mt19937& random) {
  ASSERT_EQ(table.Size(), model.size());
  for (const auto& [folded, entry] : model) {
    const std::string other = Recased(random, entry.Key);
    EXPECT_EQ(table.FindIgnoreCase(other), std::optional<std::string_view>(entry.Data));
    EXPECT_EQ(table.FindMatchCase(entry.Key), std::optional<std::string_view>(entry.Data));
    if (other != entry.Key) {
      EXPECT_EQ(table.FindMatchCase(other), std::nullopt);
    }
    const std::string missing = entry.Key + "!";
    if (!model.contains(AnsiUpperCase(missing))) {
      EXPECT_EQ(table.FindIgnoreCase(missing), std::nullopt);
    }
  }
  ExpectKeyOrder(table, model);
}

void ExpectKeyOrder(const TLuKeys& table, const TModel& model) {
  auto next = model.begin();
  table.ForEachInKeyOrder([&](const TLuEntry& entry) {
    ASSERT_NE(next, model.end());
    EXPECT_EQ(entry.Key, next->second.Key);
    EXPECT_EQ(entry.Data, next->second.Data);
    ++next;
  });
  EXPECT_EQ(next, model.end());
}

TEST(LookupTable, AddedEntriesAnswerAsThePlainModel) {
  std::mt19937 random(7);
  const TModel model = Generate(random, 5000);
  TLuKeys table;
  for (const auto& [folded, entry] : model) ASSERT_TRUE(table.Add(entry.Key, entry.Data));
  for (const auto& [folded, entry] : model) EXPECT_FALSE(table.Add(Recased(random, entry.Key), "again"));
  ExpectSameAsModel(table, model, random);
}

TEST(LookupTable, AFileLoadedInPlaceAnswersAsThePlainModel) {
  std::mt19937 random(11);
  const TModel model = Generate(random, 5000);
  std::string text = "; generated\r\n";
  for (const auto& [folded, entry] : model) text += entry.Key + ",\"" + entry.Data + "\"\n";
  text.pop_back();  // the last line without a line end
  testing::TempFolder folder;
  testing::WriteFile(folder.File("LufGen.txt"), text);
  FreeLookupFiles();
  Eng().InternalCall = false;
  LookupFile("Gen", folder.File("LufGen.txt"), "1", "2");
  ExpectSameAsModel(*FindLookupFile("Gen"), model, random);
  FreeLookupFiles();
}

// The same in a UTF-8 run: keys of characters of one to four bytes (some
// whose other case takes a different number of bytes, so they keep it), and
// an invalid byte, recased character by character; the model holds the
// text model's folded keys.
TEST(LookupTable, Utf8KeysAnswerAsThePlainModel) {
  const TTextModelScope utf8(TextEncoding::kUtf8);
  const std::string chars[] = {"a", "A", "z", "Z", "0", "_", "\xC3\xA9", "\xC3\x89", "\xC3\x9F", "\xC4\xB1",
                               "\xE2\x84\xAA", "\xCF\x83", "\xCE\xA3", "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80", "\xFF"};
  std::mt19937 random(13);
  const auto recased = [&](const std::vector<std::string>& key) {
    std::string text;
    for (std::string c : key) {
      random() % 2 ? TextUpperInPlace(c) : TextLowerInPlace(c);
      text += c;
    }
    return text;
  };
  std::vector<std::vector<std::string>> keys;
  TModel model;
  while (model.size() < 3000) {
    std::vector<std::string> key(1 + random() % 8);
    for (std::string& c : key) c = chars[random() % std::size(chars)];
    const std::string text = recased(key);
    if (model.emplace(TextFolded(text), TModelEntry{text, RandomText(random, 6)}).second) keys.push_back(key);
  }
  TLuKeys table;
  for (const auto& [folded, entry] : model) ASSERT_TRUE(table.Add(entry.Key, entry.Data));
  for (const std::vector<std::string>& key : keys) {
    const std::string other = recased(key);
    EXPECT_EQ(table.FindIgnoreCase(other), std::optional<std::string_view>(model.at(TextFolded(other)).Data)) << other;
    EXPECT_FALSE(table.Add(other, "again"));
    const TModelEntry& entry = model.at(TextFolded(other));
    EXPECT_EQ(table.FindMatchCase(other), other == entry.Key ? std::optional<std::string_view>(entry.Data) : std::nullopt);
    EXPECT_EQ(table.FindIgnoreCase(other + "!"), std::nullopt);
  }
  ExpectKeyOrder(table, model);
}

}  // namespace
}  // namespace gleaner
