#!/usr/bin/env bash
# The host's texts on a Western system: Wine in code page 1252 (C.UTF-8), in
# a prefix of its own with the same Japanese font. The texts the host shows
# read as their Japanese through the wide calls (read back in the ANSI code
# page they would be question marks), and the settings dialog's pixels are
# those it draws under code page 932. The part under 932 is this script run
# again in the usual prefix; it leaves its picture of the dialog in the
# folder it is given.
set -u
if [ "${KESTRO_TEXTS_PART:-}" != japanese ]; then
  export KESTRO_WINE_LOCALE=C.UTF-8
  E2E_PREFIX="$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-cp1252"
fi
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/settings.bash"

# UTF-8 bytes of a text in hex, as the probe's wtexts prints them.
utf8_hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F; }
# wide_text_shows <title> <text>: a child window of the title reads the
# text, whole or as its first line.
wide_text_shows() { e2e_probe wtexts "$1" | grep -q " $(utf8_hex "$2")\(0A.*\)\?\$"; }

# dialog_picture <picture>: the settings dialog of a fresh folder, its whole
# window as shown, then closed.
dialog_picture() {
  local folder="$E2E_WORK/dialog"
  settings_prepare_folder "$folder"
  settings_open "$folder"
  e2e_screenshot "$E2E_WORK/screen.png"
  convert "$E2E_WORK/screen.png" -crop \
    "$(( probe_right - probe_left ))x$(( probe_bottom - probe_top ))+$probe_left+$probe_top" \
    +repage "$1" || e2e_fail "could not cut out the dialog"
  e2e_probe close "$SETTINGS_WINDOW_TITLE" || e2e_fail "could not close the dialog"
  e2e_wait_exit "$dialog_pid" 15 || e2e_fail "the dialog's host did not end"
}

if [ "${KESTRO_TEXTS_PART:-}" = japanese ]; then
  dialog_picture "$3.png"
  exit 0
fi

echo "--- the missing-renderer message"
message="$RENDERER_FILE_NAME が同じﾌｫﾙﾀﾞに見つかりません！"
e2e_install kestro-missing none
e2e_start "$E2E_HOST_WIN" /c
host_pid="$E2E_PID"
e2e_probe wait "$HOST_TITLE" 20000 >/dev/null || e2e_fail "no message box"
e2e_check "the message reads as its Japanese through the wide calls" \
  wide_text_shows "$HOST_TITLE" "$message"
# Read in the ANSI code page the same text shows question marks: this is
# code page 1252, where the old ANSI calls could not have shown it.
e2e_probe texts "$HOST_TITLE" | grep -q "3F3F3F" || e2e_fail "the ANSI read is not in code page 1252"
echo "ok: read in code page 1252 it would be question marks"
e2e_probe close "$HOST_TITLE" || e2e_fail "could not close the box"
e2e_wait_exit "$host_pid" 10 || e2e_fail "host still running after the box closed"

echo "--- the failed-save message"
folder="$E2E_WORK/saver"
settings_prepare_folder "$folder"
# A folder in place of the settings file: the save cannot write it.
mkdir "$folder/$SETTINGS_FILE_NAME"
settings_open "$folder"
click_twips_client $SAVE_BUTTON
e2e_wait_for 20 wide_text_shows "$SETTINGS_WINDOW_TITLE" "設定を保存できませんでした。" ||
  e2e_fail "no failed-save message in Japanese: $(e2e_probe wtexts "$SETTINGS_WINDOW_TITLE")"
echo "ok: the failed-save message reads as its Japanese through the wide calls"
e2e_probe close "$SETTINGS_WINDOW_TITLE" || e2e_fail "could not close the message"
e2e_wait_for 20 eval '! wide_text_shows "$SETTINGS_WINDOW_TITLE" "設定を保存できませんでした。"' ||
  e2e_fail "the message stayed"
e2e_probe close "$SETTINGS_WINDOW_TITLE" || e2e_fail "could not close the dialog"
e2e_wait_exit "$dialog_pid" 15 || e2e_fail "the dialog's host did not end"

echo "--- music files chosen by name"
music_folder="$E2E_DRIVE_C/Música"
mkdir -p "$music_folder"
printf 'ID3' >"$music_folder/canción.mp3"
printf 'ID3' >"$music_folder/曲.mp3"
chooser_shown() { window_named "$CHOOSER_TITLE" >/dev/null; }
# choose_file <path typed>: opens the chooser from the open dialog, types the
# path (keys carry no Shift: lower case) and takes it.
choose_file() {
  click_twips_panel $FILE_BUTTON
  e2e_wait_for 20 chooser_shown || e2e_fail "the file chooser did not open"
  local chooser attempt
  chooser="$(window_named "$CHOOSER_TITLE")"
  sleep 1
  # A character typed right after xdotool remaps a key for it can be lost:
  # typed again until the chooser holds the whole path.
  for attempt in 1 2 3; do
    e2e_xdo key --window "$chooser" End
    e2e_xdo key --window "$chooser" --repeat 40 BackSpace
    e2e_xdo type --window "$chooser" --delay 60 "$1"
    sleep 0.3
    wide_text_shows "$CHOOSER_TITLE" "$1" && break
  done
  wide_text_shows "$CHOOSER_TITLE" "$1" ||
    e2e_fail "the chooser does not hold $1: $(e2e_probe wtexts "$CHOOSER_TITLE" | tr "\n" ";")"
  e2e_key_down "$chooser" Return
  e2e_key_up "$chooser" Return
  e2e_wait_for 20 eval '! chooser_shown' || e2e_fail "the file chooser stayed"
}
# The settings keep their ANSI profile calls, and the key names their code
# page 932 bytes under code page 1252 too: no question marks.
KEY_FILE_1252="$SETTINGS_KEY_FILE"
stored_file() { grep -aF "$KEY_FILE_1252=" "$folder/$SETTINGS_FILE_NAME" | tr -d '\r'; }

# The host on drive C:, so that the chooser, which starts in its folder,
# reaches the music folder by a path typed without Shift (no ":").
e2e_install kestro-1252
folder="$E2E_INSTALL"
settings_open "$folder"
click_twips_panel ${mark_twips[2]} # the mark of "MP3、WAV"
choose_file '..\música\canción.mp3'
click_twips_client $SAVE_BUTTON
e2e_wait_exit "$dialog_pid" 15 || e2e_fail "the dialog did not close on save"
western="$(stored_file)"
expected="$KEY_FILE_1252=$(printf 'c:\\música\\canción.mp3' | iconv -f UTF-8 -t CP1252)"
[ "${western,,}" = "${expected,,}" ] ||
  e2e_fail "the Western path is not stored in code page 1252: $(printf '%s' "$western" | od -c | head -3)"
echo "ok: the Western path is stored as its code page 1252 bytes"

cp "$folder/$SETTINGS_FILE_NAME" "$E2E_WORK/before.ini"
settings_open "$folder"
choose_file '..\música\曲.mp3'
refused() { wide_text_shows "$SETTINGS_WINDOW_TITLE" "このﾌｧｲﾙ名は保存できません。"; }
if e2e_wait_for 3 refused; then
  echo "ok: the Japanese name is refused with the message"
  e2e_probe close "$SETTINGS_WINDOW_TITLE" || e2e_fail "could not close the message"
  e2e_wait_for 20 eval '! refused' || e2e_fail "the message stayed"
  click_twips_client $SAVE_BUTTON
  e2e_wait_exit "$dialog_pid" 15 || e2e_fail "the dialog did not close on save"
  e2e_equal "the previous choice is kept" "$western" "$(stored_file)"
else
  click_twips_client $SAVE_BUTTON
  e2e_wait_exit "$dialog_pid" 15 || e2e_fail "the dialog did not close on save"
  short="$(stored_file)"
  e2e_note "the Japanese name stored as ${short#*=}"
  [ "$short" != "$western" ] || e2e_fail "the Japanese name was not stored"
  value="${short#*=}"
  [[ "$value" != *"?"* ]] || e2e_fail "the Japanese name was stored with question marks: $value"
  [[ "$value" =~ ^[[:print:]]+\.MP3$ ]] || e2e_fail "the short form is not plain: $value"
  echo "ok: the Japanese name is stored in its short form"
fi

echo "--- the dialog's pixels under code pages 1252 and 932"
dialog_picture "$E2E_WORK/dialog-1252.png"
KESTRO_TEXTS_PART=japanese KESTRO_WINE_LOCALE= E2E_PREFIX= WINEPREFIX= KESTRO_WINEPREFIX= \
  bash "$0" "$E2E_HOST_EXE" "$E2E_RENDERER_EXE" "$E2E_WORK/dialog-932" ||
  e2e_fail "the dialog under code page 932 could not be pictured"
size="$(identify -format '%wx%h' "$E2E_WORK/dialog-1252.png")"
e2e_equal "the dialog's size under both code pages" "$size" \
  "$(identify -format '%wx%h' "$E2E_WORK/dialog-932.png")"
differing="$(compare -metric AE "$E2E_WORK/dialog-1252.png" "$E2E_WORK/dialog-932.png" null: 2>&1)"
e2e_note "pixels compared: $size = $(( ${size%x*} * ${size#*x} )), differing: $differing"
[ "$differing" = 0 ] || {
  cp "$E2E_WORK"/dialog-*.png "$e2e_root/build/" 2>/dev/null
  e2e_fail "$differing pixels differ (pictures kept in build/dialog-*.png)"
}
/usr/lib/wine/wineserver -w 2>/dev/null
echo "PASS: the host's Japanese texts read right under code page 1252"
