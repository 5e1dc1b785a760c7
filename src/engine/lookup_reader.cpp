// Field reader of lookup file lines. A field runs to the first comma outside
// double quotes; blanks outside quotes are dropped; "$hh" and "#ddd" stand for
// one byte each and end at the next "$", "#", double quote or comma.
#include "engine/lookup_reader.h"

#include <algorithm>

#include "engine/engine_errors.h"

namespace gleaner {
namespace {

constexpr std::string_view kEncodedEnds = "$#\",";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

std::string RemoveBlanks(std::string_view token) {
  std::string out;
  out.reserve(token.size());
  for (char c : token) {
    if (c != ' ') out += c;
  }
  return out;
}

// The first character of digits outside allowed (compared upper-cased when
// upper is set), or null when all are allowed.
const char* FirstStranger(const std::string& digits, std::string_view allowed, bool upper) {
  for (const char& c : digits) {
    const char probe = upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (allowed.find(probe) == std::string_view::npos) return &c;
  }
  return nullptr;
}

}  // namespace

bool TLuFieldReader::Fail(std::string message) {
  problem_ = std::move(message);
  return false;
}

bool TLuFieldReader::Next(std::string& field, int fieldsWanted) {
  field.clear();
  if (rest_.empty()) {
    return Fail("Not enough fields to fulfill LookupFile specification" + std::string(kCrLf) + "At least " +
                std::to_string(fieldsWanted) + " fields were expected");
  }
  bool quoted = false;
  while (!rest_.empty()) {
    const char c = rest_.front();
    if (c == '$' || c == '#') {
      if (!AddEncoded(field)) return false;
      continue;
    }
    rest_.remove_prefix(1);
    if (c == ',' && !quoted) break;
    if (c == '"') {
      if (quoted && !rest_.empty() && rest_.front() == '"') {
        field += '"';
        rest_.remove_prefix(1);
      } else {
        quoted = !quoted;
      }
    } else if (c != ' ' || quoted) {
      field += c;
    }
  }
  return true;
}

// Reads the encoded character at the front of rest_ and adds its byte.
bool TLuFieldReader::AddEncoded(std::string& field) {
  const std::size_t end = std::min(rest_.find_first_of(kEncodedEnds, 1), rest_.size());
  const std::string token = RemoveBlanks(rest_.substr(0, end));
  rest_.remove_prefix(end);
  if (token.size() == 1) return Fail("Incomplete $ (hex) or # (decimal) encoded data");
  const std::string d = token.substr(1);
  const std::string crLf(kCrLf);
  int value = 0;
  if (token[0] == '#') {
    if (d.size() > 3) {
      return Fail("Invalid decimal character #" + d + crLf +
                  "Decimal characters may not exceed three digits in length" + crLf +
                  "They are in the range #0 to #255");
    }
    if (const char* c = FirstStranger(d, "0123456789", false)) {
      return Fail("Inappropriate character '" + std::string(1, *c) + "' in decimal character string #" + d);
    }
    for (char c : d) value = value * 10 + (c - '0');
    if (value > 255) {
      return Fail("Decimal characters must be in the range #0 to #255" + crLf + "The value #" + d +
                  " falls outside this range");
    }
  } else {
    if (d.size() > 2) {
      return Fail("Invalid hex character $" + d + crLf +
                  "Hex characters may not exceed two digits in length" + crLf +
                  "They are in the range $00 to $FF");
    }
    if (const char* c = FirstStranger(d, kHexDigits, true)) {
      return Fail("Inappropriate character '" + std::string(1, *c) + "' in hex character string $" + d);
    }
    for (char c : d) value = value * 16 + static_cast<int>(kHexDigits.find(c >= 'a' ? c - 'a' + 'A' : c));
  }
  field += static_cast<char>(value);
  return true;
}

bool ReadLookupLine(std::string_view line, int keyField, int dataField, std::string& key, std::string& data,
                    std::string& problem) {
  const int wanted = std::max(keyField, dataField);
  TLuFieldReader reader(line);
  std::string skipped;
  for (int f = 1; f <= wanted; ++f) {
    std::string& into = f == keyField ? key : f == dataField ? data : skipped;
    if (!reader.Next(into, wanted)) {
      problem = reader.Problem();
      return false;
    }
  }
  return true;
}

}  // namespace gleaner
