#include "host/settings/settings_dialog_texts.h"

#include "host/platform/ansi_text.h"

namespace kestro {

namespace {

SettingsDialogTextSet convertTexts() {
    SettingsDialogTextSet texts;
    texts.fontName = ansiText("ＭＳ Ｐゴシック");
    texts.credit = ansiText("Kestrovalinde Ver.1.0.0");
    texts.webAddress = ansiText("https://kestrovalinde.example/");
    texts.heading = ansiText("BGM");
    texts.kindLabels[0] = ansiText("なし");
    texts.kindLabels[1] = ansiText("音楽CD");
    texts.kindLabels[2] = ansiText("MP3、WAV");
    texts.repeatLabel = ansiText("曲目をﾘﾋﾟｰﾄ");
    texts.fileButton = ansiText("...");
    texts.saveButton = ansiText("設定");
    texts.cancelButton = ansiText("ｷｬﾝｾﾙ");
    texts.fileFilterDescription = ansiText("BGMﾌｧｲﾙ (MP3 WAV)");
    texts.fileFilterPattern = ansiText("*.MP3;*.WAV");
    texts.fileChooserTitle = ansiText("ﾌｧｲﾙを開く");
    texts.saveFailed = ansiText("設定を保存できませんでした。");
    return texts;
}

} // namespace

const SettingsDialogTextSet& SettingsDialogTexts() {
    static const SettingsDialogTextSet texts = convertTexts();
    return texts;
}

} // namespace kestro
