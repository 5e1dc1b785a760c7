// Shell open and program start: the two desktop actions that links in
// documents ask for. The console implementation opens addresses and documents
// with xdg-open and starts programs directly, with their arguments and
// working folder, never through a shell command line. Tests install a fake.
#pragma once

#include <string>
#include <vector>

namespace gleaner {

class IShellPort {
 public:
  virtual ~IShellPort() = default;
  // Opens a web or mail address, or a document, with the desktop's handler.
  // False, with the reason in error, when that could not be started.
  virtual bool OpenAddress(const std::string& address, std::string& error) = 0;
  // Starts program with arguments in workingFolder, without waiting for it.
  // False, with the reason in error, when it could not be started.
  virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& workingFolder, std::string& error) = 0;
};

class ConsoleShellPort : public IShellPort {
 public:
  bool OpenAddress(const std::string& address, std::string& error) override;
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder, std::string& error) override;
};

// The shell port in force; the console one unless another was installed.
IShellPort& ShellPort();
// Installs port (null restores the console one) and returns the previous one.
IShellPort* SetShellPort(IShellPort* port);

// The folder of the running program file, ending with "/"; empty when unknown.
std::string RunningProgramFolder();
// The running program file's full name; empty when unknown.
std::string RunningProgramFile();

}  // namespace gleaner
