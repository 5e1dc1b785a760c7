// Names the engine reads and writes through instead of treating them as
// files of its own: the standard streams, character devices and links.
//   "-"                 standard input as the input, standard output as the output
//   "/dev/stdin", "/dev/stdout", "/dev/stderr", "/dev/fd/N", "/proc/self/fd/N"
//                       the descriptor the program already holds; never
//                       opened by name, renamed or backed up
//   a character device  read or written, never backed up
//   a symbolic link     written through: its target is the file backed up
//
//   const int fd = StreamDescriptor("-", true);   // 1
//   std::FILE* out = OpenStream(fd, true);         // a copy of standard output
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace gleaner {

inline constexpr std::string_view kStandardInputName = "(standard input)";
inline constexpr std::string_view kStandardOutputName = "(standard output)";

// The descriptor a stream name stands for on the given side; -1 for any
// other name. StreamDescriptor("-", false) == 0, ("/dev/fd/3", true) == 3.
int StreamDescriptor(std::string_view name, bool output);
// The same for a name that is, or links to, a stream name (a link of the
// user's to /dev/stdout, which itself links to /proc/self/fd/1).
int StreamDescriptorThroughLinks(std::string_view name, bool output);
// Whether the name is a stream name on either side.
bool IsStreamName(std::string_view name);
// The name reports and the processing log show: "(standard input)" and
// "(standard output)" for descriptors 0 and 1, else the name as given.
std::string StreamShownName(std::string_view name, bool output);
// An unbuffered stdio stream on a copy of the descriptor (the program's own
// stays open); nullptr with errno set when it cannot be made.
std::FILE* OpenStream(int descriptor, bool output);

// A stream name, or the name of an existing character device (through links).
bool IsReadThroughName(std::string_view name);
// The file a backup concerns: a symbolic link's final target, else the name.
std::string BackupSubject(const std::string& name);

}  // namespace gleaner
