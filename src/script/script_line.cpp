// script_line.h: run-time reading of parameters (array elements, ranges and
// steps).
#include <algorithm>

#include "engine/engine_errors.h"
#include "foundation/numbers.h"
#include "foundation/text_model.h"
#include "script/script_line.h"
#include "script/values.h"

namespace gleaner {

void ResolveArrayElement(TParm& parm, TValueStore& store) {
  if (parm.Kind != ElemKind::Array) return;
  std::string name = parm.ArrayBase->UpperName;
  name.append("(").append(parm.ArrayIndex->Value()).append(")");
  parm.Value = store.FindExact(name);
  if (parm.Value == nullptr) parm.Value = store.FindOrCreate(name, ScriptTexts().NotDefined, false);
}

namespace {

// Characters of the text model from start to end (end 0: start alone).
std::string_view Range(std::string_view text, std::int32_t start, std::int32_t end) {
  if (end == 0) end = start;
  const std::int64_t first = std::max<std::int64_t>(start, 1);
  if (text.empty() || end < first) return {};
  const std::size_t begin = CharOffset(text, static_cast<std::size_t>(first - 1));
  const std::size_t stop = CharOffset(text, static_cast<std::size_t>(end));
  return text.substr(begin, stop - begin);
}

}  // namespace

std::string_view ShapedParameterValue(TParm& parm) {
  std::string_view text = parm.Value->Value();
  if (parm.RangeStart != 0 || parm.RangeEnd != 0) text = Range(text, parm.RangeStart, parm.RangeEnd);
  if (parm.Step == 0) return text;
  std::int32_t number = 0;
  if (!text.empty() && !TryParseInt32(text, number)) {
    RaiseEngineError(kErrNumericExpected,
                     "Cannot increment variable " + parm.Value->UpperName + " -- it is not numeric:", text);
  }
  const std::int64_t result = std::int64_t{number} + parm.Step;
  if (result != static_cast<std::int32_t>(result)) {
    RaiseEngineError(kErrNumericExpected,
                     "Cannot increment variable " + parm.Value->UpperName +
                         " -- the result is outside the range -2147483648 to 2147483647",
                     text);
  }
  parm.Scratch = std::to_string(result);
  return parm.Scratch;
}

}  // namespace gleaner
