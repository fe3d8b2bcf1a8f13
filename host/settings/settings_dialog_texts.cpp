#include "host/settings/settings_dialog_texts.h"

namespace kestro {

namespace {

SettingsDialogTextSet makeTexts() {
    SettingsDialogTextSet texts;
    texts.fontName = "ＭＳ Ｐゴシック";
    texts.credit = "Kestrovalinde Ver.1.0.0";
    texts.webAddress = "https://kestrovalinde.example/";
    texts.heading = "BGM";
    texts.kindLabels[0] = "なし";
    texts.kindLabels[1] = "音楽CD";
    texts.kindLabels[2] = "MP3、WAV";
    texts.repeatLabel = "曲目をﾘﾋﾟｰﾄ";
    texts.fileButton = "...";
    texts.saveButton = "設定";
    texts.cancelButton = "ｷｬﾝｾﾙ";
    texts.fileFilterDescription = "BGMﾌｧｲﾙ (MP3 WAV)";
    texts.fileFilterPattern = "*.MP3;*.WAV";
    texts.fileChooserTitle = "ﾌｧｲﾙを開く";
    texts.saveFailed = "設定を保存できませんでした。";
    texts.unstorableFileName = "このﾌｧｲﾙ名は保存できません。";
    return texts;
}

} // namespace

const SettingsDialogTextSet& SettingsDialogTexts() {
    static const SettingsDialogTextSet texts = makeTexts();
    return texts;
}

} // namespace kestro
