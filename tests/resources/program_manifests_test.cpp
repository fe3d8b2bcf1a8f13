// Both programs' application manifests as Windows reads them: from the
// built files' resources, beside this test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "common/shared_names.h"

namespace kestro {
namespace {

constexpr char HOST_FILE_NAME[] = "Kestrovalinde.scr";
constexpr char WINDOWS_10_ID[] = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}";
constexpr char DPI_AWARE_NAMESPACE[] = "http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr char DPI_AWARENESS_NAMESPACE[] = "http://schemas.microsoft.com/SMI/2016/WindowsSettings";

std::string besideThisProgram(const std::string& name) {
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

// The manifest a program's process is created with; empty when it has none.
std::string manifestOf(const std::string& fileName) {
    const std::string path = besideThisProgram(fileName);
    HMODULE image = LoadLibraryExA(path.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!image)
        return {};
    std::string text;
    if (HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const DWORD size = SizeofResource(image, found);
        if (HGLOBAL loaded = LoadResource(image, found))
            text.assign(static_cast<const char*>(LockResource(loaded)), size);
    }
    FreeLibrary(image);
    return text;
}

std::set<std::string> supportedSystems(const std::string& manifest) {
    std::set<std::string> ids;
    const std::regex supportedOS(R"re(<supportedOS\s+Id="(\{[^"]+\})")re");
    for (auto it = std::sregex_iterator(manifest.begin(), manifest.end(), supportedOS);
         it != std::sregex_iterator(); ++it)
        ids.insert((*it)[1]);
    return ids;
}

// The text of an element of the given name in the given namespace; Windows
// ignores a setting whose namespace is wrong, so a match needs both.
std::string setting(const std::string& manifest, const std::string& name,
                    const std::string& space) {
    const std::regex element("<" + name + R"(\s+xmlns=")" + space + R"(">([^<]*)</)" + name + ">");
    std::smatch match;
    return std::regex_search(manifest, match, element) ? match[1].str() : "<missing>";
}

class ProgramManifests : public ::testing::Test {
  protected:
    const std::string host = manifestOf(HOST_FILE_NAME);
    const std::string renderer = manifestOf(RENDERER_FILE_NAME);
};

TEST_F(ProgramManifests, BothNameTheSameSupportedSystems) {
    ASSERT_FALSE(host.empty()) << "no manifest in " << HOST_FILE_NAME;
    ASSERT_FALSE(renderer.empty()) << "no manifest in " << RENDERER_FILE_NAME;
    EXPECT_EQ(supportedSystems(renderer), supportedSystems(host));
    EXPECT_EQ(supportedSystems(host).count(WINDOWS_10_ID), 1u);
    EXPECT_GE(supportedSystems(host).size(), 4u);
}

TEST_F(ProgramManifests, TheRendererIsPerMonitorAwareWithTheOlderSettingAsFallback) {
    EXPECT_EQ(setting(renderer, "dpiAwareness", DPI_AWARENESS_NAMESPACE).rfind("PerMonitorV2", 0),
              0u)
        << renderer;
    const std::string fallback = setting(renderer, "dpiAware", DPI_AWARE_NAMESPACE);
    EXPECT_TRUE(fallback == "true/pm" || fallback == "true") << fallback;
}

TEST_F(ProgramManifests, TheHostStaysSystemAwareAndAsksForNoExecutionLevel) {
    EXPECT_EQ(setting(host, "dpiAware", DPI_AWARE_NAMESPACE), "true");
    // Without a requested level a 32-bit host keeps file virtualization, so
    // a user can save the settings beside a host in the system folder.
    EXPECT_EQ(host.find("requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(renderer.find("requestedExecutionLevel"), std::string::npos);
}

} // namespace
} // namespace kestro
