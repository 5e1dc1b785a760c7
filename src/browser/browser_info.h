// The document browser's fixed program information and the names it uses for
// its settings, its own help document and the viewer windows it opens.
#pragma once

#include <cstdint>
#include <string_view>

namespace gleaner {

inline constexpr std::string_view kBrowserName = "KestraScan";
inline constexpr std::string_view kBrowserVersionWord = "Version";
inline constexpr std::string_view kBrowserVersion = "1.10.00";
inline constexpr std::string_view kBrowserNotice = "Copyright (c) 2026 Gleaner developers";
// The file viewer's notice line, shown beside its version in the about message.
inline constexpr std::string_view kViewerNotice = "Copyright (c) 2026 Gleaner developers";
inline constexpr std::string_view kDefaultDocumentWildcard = "Help-*.txt";
inline constexpr std::string_view kBrowserSettingsFile = "KestraScan.ini";
inline constexpr std::string_view kBrowserHelpFile = "Help-KestraScan.txt";
inline constexpr std::string_view kBrowserHelpTitle = "KestraScan Help";
// Settings name of the viewer windows the browser opens.
inline constexpr std::string_view kBrowserViewerSettings = "frmKestraScan";
// A very light yellow ($BBGGRR).
inline constexpr std::uint32_t kBrowserViewerBackground = 0xFAFFFF;

}  // namespace gleaner
