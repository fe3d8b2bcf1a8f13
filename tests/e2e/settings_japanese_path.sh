#!/usr/bin/env bash
# A music file in a folder whose name holds Shift-JIS characters with 0x5C
# ("\") as their trail byte (表 = 95 5C, ソ = 83 5C): chosen through the file
# chooser, saved, shown again when the dialog reopens, and handed to the
# sound system by /s. Wine names such files on disk through the Japanese
# locale that scripts/wine-env builds.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
source "$(dirname "$0")/lib/settings.bash"

FOLDER_NAME='表ソ'
FILE_NAME='曲.wav'
LABEL_TWIPS="1080 1740"
LABEL_SIZE="373x33"

saver_install
mkdir -p "$E2E_INSTALL/$FOLDER_NAME"
saver_make_burst_wav "$E2E_INSTALL/$FOLDER_NAME/$FILE_NAME"
music_win="$E2E_INSTALL_WIN\\$FOLDER_NAME\\$FILE_NAME"

# The file label's picture on the screen.
grab_label() {  # grab_label <file>
  local x y
  read -r x y <<<"$(panel_point $LABEL_TWIPS)"
  import -silent -window root -crop "$LABEL_SIZE+$x+$y" +repage "$1" 2>/dev/null
}
dark_pixels() {  # dark_pixels <picture>: how many pixels are nearly black (text)
  convert "$1" -colorspace Gray -threshold 30% -negate -format '%[fx:mean*w*h]' info: 2>/dev/null |
    awk '{ printf "%d", $1 }'
}

echo "--- choose the file and save"
settings_open "$E2E_INSTALL"
click_twips_panel ${mark_twips[2]}  # the mark of "MP3、WAV"
click_twips_panel $FILE_BUTTON
chooser_shown() { window_named "$CHOOSER_TITLE" >/dev/null; }
e2e_check "the file chooser opens" e2e_wait_for 20 chooser_shown
chooser="$(window_named "$CHOOSER_TITLE")"
sleep 1
# The chooser starts in the host's folder (no file chosen before). Keys sent
# to a window carry no Shift, so the path typed is relative and lower case.
# A character typed right after xdotool remaps a key for it can be lost:
# typed again until the chooser holds the whole path.
typed="$FOLDER_NAME\\$FILE_NAME"
chooser_holds_path() {
  e2e_probe texts "$CHOOSER_TITLE" | grep -q " $(e2e_cp932_hex "$typed")\$"
}
for attempt in 1 2 3; do
  e2e_xdo key --window "$chooser" End
  e2e_xdo key --window "$chooser" --repeat 30 BackSpace
  e2e_xdo type --window "$chooser" --delay 60 "$typed"
  sleep 0.3
  chooser_holds_path && break
done
e2e_check "the chooser holds the path typed" chooser_holds_path
e2e_key_down "$chooser" Return
e2e_key_up "$chooser" Return
e2e_check "the file chooser closes" e2e_wait_for 20 eval '! chooser_shown'
label_shows_path() {
  grab_label "$E2E_WORK/label_chosen.png"
  e2e_is "$(dark_pixels "$E2E_WORK/label_chosen.png")" '>' 50
}
e2e_wait_for "$SETTINGS_SETTLE_S" label_shows_path || e2e_fail "the label shows no path"
click_twips_client $SAVE_BUTTON
e2e_check "\"設定\" closes the dialog" e2e_wait_exit "$dialog_pid" 15
file_line="$SETTINGS_KEY_FILE=$(printf '%s' "$music_win" | iconv -f UTF-8 -t CP932)"$'\r'
e2e_check "the settings file holds the path in code page 932" \
  grep -qaxF "$file_line" "$E2E_INSTALL/$SETTINGS_FILE_NAME"
e2e_stop_started

echo "--- reopen"
settings_open "$E2E_INSTALL"
e2e_colour "the music file is still the choice" $(panel_point ${mark_twips[2]} 6 6) "0,0,255"
grab_label "$E2E_WORK/label_reopened.png"
e2e_equal "the label shows the same path" 0 \
  "$(compare -metric AE "$E2E_WORK/label_chosen.png" "$E2E_WORK/label_reopened.png" null: 2>&1)"
click_twips_client $CANCEL_BUTTON
e2e_check "\"ｷｬﾝｾﾙ\" closes the dialog" e2e_wait_exit "$dialog_pid" 15
e2e_stop_started

echo "--- run the saver"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=4000
saver_capture_sound
saver_start /s
saver_wait_host_gone 40 || e2e_fail "the saver did not end with its renderer"
e2e_check "the WAV file is handed to PlaySound to loop" saver_wav_looped
e2e_note "$(saver_captured_bursts) bursts of the WAV captured"
echo "PASS"
