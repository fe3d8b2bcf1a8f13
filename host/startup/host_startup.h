#pragma once
// The host's entry: instance guard, mode dispatch, work folder and the
// renderer check, before any window exists.

#include <cstdint>
#include <string>

#include "common/shared_names.h"
#include "host/startup/profile_port.h"

namespace kestro {

constexpr char NO_MODE_LETTER = '\0';
constexpr char MODE_PREVIEW = 'P';
constexpr char MODE_SETTINGS = 'C';
constexpr char MODE_SAVER = 'S';

// "Kestrovalinde.dll が同じﾌｫﾙﾀﾞに見つかりません！" in the ANSI code page.
std::string missingRendererMessage();

// The argument text as the platform handed it to the host (set by the entry).
extern std::string HostArgumentText;

// Second character of the argument text, upper-cased; NO_MODE_LETTER when
// the text is shorter than two characters.
char ModeLetter(const std::string& argumentText);

// The preview area's handle: the number from the fourth character on
// (leading blanks skipped, digits up to the first other character); 0 when
// there is none or it does not fit in 32 bits.
int32_t PreviewHandleFromArguments(const std::string& argumentText);

// What start-up asks of the system and of the host's windows.
class StartupPort {
public:
    virtual ~StartupPort() = default;
    virtual bool windowExists(const std::string& title) = 0;  // FindWindowA, no class
    virtual std::string hostFolder() = 0;
    virtual bool createFolder(const std::string& path) = 0;
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    virtual void endProcess() = 0;  // never returns in the real host
    virtual void hideCursor() = 0;
    virtual ProfilePort& profile() = 0;
    // Steps P2 to P8: embed and show the preview window in the given area.
    virtual void startPreview(int32_t previewParent) = 0;
    virtual void showSettingsDialog() = 0;  // modal; returns when it has closed
    virtual void createSaverWindow() = 0;   // hidden; its load handler starts everything
};

void HostStartup(StartupPort& system, const std::string& argumentText);

} // namespace kestro
