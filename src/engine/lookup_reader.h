// The field reader of lookup file lines: comma-separated fields, double
// quotes around blanks and commas, and "$" (hex) or "#" (decimal) encoded
// characters. Pure text work with no engine state, so it can be fuzzed; the
// loader turns a reported problem into the command's data error.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// Takes fields off the front of one data line, left to right.
class TLuFieldReader {
 public:
  explicit TLuFieldReader(std::string_view line) : rest_(line) {}

  // Reads the next field into field (replacing its content). Returns false
  // when the line has no text left or an encoded character is unusable;
  // Problem() then holds the reason. fieldsWanted only words the message for
  // a line that runs out of fields.
  bool Next(std::string& field, int fieldsWanted);

  // The reason the last Next failed.
  const std::string& Problem() const { return problem_; }

 private:
  bool AddEncoded(std::string& field);
  bool Fail(std::string message);

  std::string_view rest_;
  std::string problem_;
};

// Reads fields 1 .. max(keyField, dataField) of a data line into key and data
// (both >= 1 and different). Example: 'abc, x ,"d, e"' with fields 1 and 3
// gives the key 'abc' and the data 'd, e'. Returns false with problem set
// when the line is unusable.
bool ReadLookupLine(std::string_view line, int keyField, int dataField, std::string& key, std::string& data,
                    std::string& problem);

}  // namespace gleaner
