#pragma once
// Every fixed text of the settings dialog, in UTF-8: they are shown through
// the system's wide calls.

#include <string>

namespace kestro {

struct SettingsDialogTextSet {
    std::string fontName;              // "ＭＳ Ｐゴシック"
    std::string credit;                // ends with "Ver.1.0.0"
    std::string webAddress;            // shown and opened by the link label
    std::string heading;               // "BGM"
    std::string kindLabels[3];         // indexed by music kind
    std::string repeatLabel;           // "曲目をﾘﾋﾟｰﾄ"
    std::string fileButton;            // "..."
    std::string saveButton;            // "設定"
    std::string cancelButton;          // "ｷｬﾝｾﾙ"
    std::string fileFilterDescription; // "BGMﾌｧｲﾙ (MP3 WAV)"
    std::string fileFilterPattern;     // "*.MP3;*.WAV"
    std::string fileChooserTitle;      // "ﾌｧｲﾙを開く"
    std::string saveFailed;            // "設定を保存できませんでした。"
    std::string unstorableFileName;    // "このﾌｧｲﾙ名は保存できません。"
};

// Made once, on first use.
const SettingsDialogTextSet& SettingsDialogTexts();

} // namespace kestro
