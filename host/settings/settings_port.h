#pragma once
// What saving the settings asks of the system: the profile calls, made on a
// scratch copy of the settings file, and putting that copy in the file's
// place once every key is in it.

#include <string>

#include "host/startup/profile_port.h"

namespace kestro {

class SettingsPort {
  public:
    virtual ~SettingsPort() = default;
    virtual ProfilePort& profile() = 0;
    // Makes copy hold what file holds now, replacing any older copy; when
    // there is no file yet, no copy is left either. False when the file
    // cannot be read or the copy cannot be made.
    virtual bool copyFile(const std::string& file, const std::string& copy) = 0;
    // Puts replacement in the place of file in one step. False when file
    // cannot be replaced (read-only, a folder, ...): both then stay as they were.
    virtual bool replaceFile(const std::string& file, const std::string& replacement) = 0;
    virtual void removeFile(const std::string& file) = 0;
};

} // namespace kestro
