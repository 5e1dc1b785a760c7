// The engine's run lifecycle: OpenEngine (self-tests, resets, file types,
// the wildcard input walk, output then input), the record fetch with its
// cancel check, the walk to the next input file, CloseEngine, and the
// BeginRun/EndRun hooks around a run.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

inline constexpr std::string_view kEngineName = "Gleaner Engine";
inline constexpr std::string_view kEngineVersion = "4.50.02";
inline constexpr std::string_view kEngineCode = "PE";
inline constexpr std::string_view kEngineExtensionName = "Gleaner Engine Extension";
inline constexpr std::string_view kEngineExtensionVersion = "1.00.06";

// Opens the engine for a run. Errors are engine errors; ErrorKind stays 17
// ("Internal error during OpenEngine") unless a check raised its own kind.
void OpenEngine(const std::string& inputSpec, const std::string& outputSpec);
// Closes the files (output flushed), copies clipboard output, frees lookup
// files. Safe on a closed engine.
void CloseEngine();
// Processes pending events, honours CancelRequested, then reads a record.
bool ReadNextRecord();
// Opens the next file of a wildcard input; false when there is none.
bool NextInputFile();
// The cancel error: "Processing cancelled" (kind 1).
[[noreturn]] void CancelProcessing();
// Hooks around a run: CSV first-field reset, and the processing log.
void BeginRun(bool startLog);
void EndRun();

// The specifications exactly as passed to the last OpenEngine.
const std::string& GivenInputSpec();
const std::string& GivenOutputSpec();
// The wildcard input list in use; empty when the input names one file.
const std::string& WildcardSpec();

}  // namespace gleaner
