#!/usr/bin/env bash
# The settings dialog (/c) end to end: placement and size, the painted
# background, marks and buttons read back from the screen, clicks on marks,
# labels and buttons at their real positions, the file chooser, and the
# bytes of the settings file that "設定" writes (Wine drops the blank before
# a number) or that "ｷｬﾝｾﾙ" and closing leave untouched.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/settings.bash"

work="$E2E_WORK"
folder="$work/saver"
folder_win="$(e2e_windows_path "$folder")"

write_ini() { e2e_write_settings "$folder" "$@"; }
expected_ini() { settings_expected_ini "$@"; }
ini_is() {  # ini_is <expected file>
  cmp -s "$1" "$folder/$SETTINGS_FILE_NAME" || {
    echo "  written:"; od -c "$folder/$SETTINGS_FILE_NAME" | head -8; return 1; }
}

mark_centre() { panel_point ${mark_twips[$1]} 6 6; }
mark_corner() { panel_point ${mark_twips[$1]} 0 0; }
# Column 1 of a Command button carries its border line: dark blue when the
# button is enabled, light grey-brown when it is disabled.
check_button_enabled() {  # check_button_enabled <description> <left twips> <top twips> <1|0> [panel]
  local x y
  if [ "${5:-}" = panel ]; then read -r x y <<<"$(panel_point $2 $3 1 10)"
  else read -r x y <<<"$(client_point $2 $3 1 10)"; fi
  if [ "$4" = 1 ]; then e2e_colour "$1" "$x" "$y" "0,60,116" 24
  else e2e_colour "$1" "$x" "$y" "201,199,186" 24; fi
}
check_marks() {  # check_marks <selected kind or none>
  local kind
  for kind in 0 1 2; do
    if [ "$kind" = "$1" ]; then
      e2e_colour "mark $kind shows the selected picture" $(mark_centre $kind) "0,0,255"
      e2e_colour "mark $kind is blue to its corner" $(mark_corner $kind) "0,0,255"
    else
      e2e_colour "mark $kind shows the unselected picture" $(mark_centre $kind) "255,255,255"
      e2e_colour "mark $kind has its grey frame" $(mark_corner $kind) "128,128,128"
    fi
  done
}

# --- 1: audio CD loaded, switched to none, saved -------------------------
echo "--- load audio CD, choose none, save"
settings_prepare_folder "$folder"
# A music file where a user keeps one (the dialog shows its path).
music_win='C:\users\yuki\Music\Night Drive.mp3'
mkdir -p "$E2E_DRIVE_C/users/yuki/Music"
printf 'music' >"$E2E_DRIVE_C/users/yuki/Music/Night Drive.mp3"
write_ini 1 5 "$music_win"
settings_open "$folder"
e2e_equal "client area is 496 x 243" "496 243" "$probe_client_w $probe_client_h"
outer_w=$(( probe_right - probe_left )); outer_h=$(( probe_bottom - probe_top ))
e2e_equal "centred across the screen" "$(( (probe_screen_w - outer_w) / 2 ))" "$probe_left"
e2e_equal "a third of the free height above" "$(( (probe_screen_h - outer_h) / 3 ))" "$probe_top"
dialog_window="$(e2e_xdo search --name "^$SETTINGS_WINDOW_TITLE\$" | head -1)"
e2e_check "the window carries its 32 x 32 icon" \
  bash -c "xprop -id '$dialog_window' _NET_WM_ICON | grep -q 'Icon (32 x 32)'"
settings_expect_track_box "track box enabled with the stored track" "1 5"

# The window's band: rows 0, 121 and 242 at a column left of the panel.
e2e_colour "window band, top row" $(client_point 0 0 5 0) "0,0,30"
e2e_colour "window band, middle row" $(client_point 0 0 5 121) "220,220,250"
e2e_colour "window band, bottom row" $(client_point 0 0 5 242) "3,3,33"
# The panel's band: rows 0, 82 and 164 of its 165.
e2e_colour "panel band, top row" $(panel_point 0 0 5 0) "30,30,30"
e2e_colour "panel band, middle row" $(panel_point 0 0 5 82) "250,250,250"
e2e_colour "panel band, bottom row" $(panel_point 0 0 5 164) "34,34,34"
check_marks 1
# "設定": a white-to-lavender face (rows 4 and 20 of 25, left of the caption).
e2e_colour "save button face near its top" $(client_point $SAVE_BUTTON 6 4) "245,245,249" 6
e2e_colour "save button face near its bottom" $(client_point $SAVE_BUTTON 6 20) "205,204,221" 6
check_button_enabled "save button enabled" $SAVE_BUTTON 1
check_button_enabled "\"...\" disabled for the audio CD" $FILE_BUTTON 0 panel
if [ -n "${KESTRO_SCREENSHOTS:-}" ]; then
  import -silent -window root -crop "496x243+$probe_client_x+$probe_client_y" +repage \
    "$e2e_root/docs/screenshot-dialog.png"
fi

click_twips_panel ${label_twips[0]}  # "なし"
check_marks 0
settings_expect_track_box "track box disabled, its text kept" "0 5"
check_button_enabled "\"...\" still disabled for none" $FILE_BUTTON 0 panel
click_twips_client $SAVE_BUTTON
e2e_check "\"設定\" closes the dialog and ends the host" e2e_wait_exit "$dialog_pid" 15
expected_ini 0 5 "$music_win" >"$work/expected1"
e2e_check "settings file holds kind 0, track 5 and the file, in order" ini_is "$work/expected1"
e2e_stop_started

# --- 2: music file loaded, cancelled --------------------------------------
echo "--- load music file, cancel"
settings_prepare_folder "$folder"
printf 'music' >"$folder/song.mp3"
write_ini 2 0 "$folder_win\\song.mp3"
printf '; kept as it is\r\n[Other]\r\nkey=value\r\n' >>"$folder/$SETTINGS_FILE_NAME"
cp "$folder/$SETTINGS_FILE_NAME" "$work/before2"
settings_open "$folder"
check_marks 2
settings_expect_track_box "track box disabled and empty" "0 "
check_button_enabled "\"...\" enabled for a music file" $FILE_BUTTON 1 panel
click_twips_panel ${label_twips[1]}  # "音楽CD": changes nothing on disk yet
click_twips_client $CANCEL_BUTTON
e2e_check "\"ｷｬﾝｾﾙ\" closes the dialog and ends the host" e2e_wait_exit "$dialog_pid" 15
e2e_check "\"ｷｬﾝｾﾙ\" leaves the settings file byte for byte" cmp -s "$work/before2" "$folder/$SETTINGS_FILE_NAME"
e2e_stop_started

# --- 3: no settings file; choose a file, then audio CD with a typed track --
echo "--- no settings, choose a file, audio CD, track 2.5"
settings_prepare_folder "$folder"
printf 'music' >"$folder/tune.wav"
settings_open "$folder"
check_marks 0
settings_expect_track_box "track box disabled and empty" "0 "
click_twips_panel ${mark_twips[2]}  # the mark of "MP3、WAV"
check_marks 2
check_button_enabled "\"...\" enabled once the music file is chosen" $FILE_BUTTON 1 panel
click_twips_panel $FILE_BUTTON
chooser_shown() { window_named "$CHOOSER_TITLE" >/dev/null; }
chooser_gone() { ! chooser_shown; }
e2e_check "the file chooser opens with its title" e2e_wait_for 20 chooser_shown
chooser="$(window_named "$CHOOSER_TITLE")"
sleep 1
# The chooser starts in the host folder (no file chosen before): the
# bare name is found there.
e2e_xdo type --window "$chooser" --delay 40 'tune.wav'
e2e_key_down "$chooser" Return
e2e_key_up "$chooser" Return
e2e_check "the file chooser closes" e2e_wait_for 20 chooser_gone
sleep 0.5
click_twips_panel ${label_twips[1]}  # "音楽CD"
check_marks 1
track_box_enabled() { settings_probe && [ "$probe_combo_enabled" = 1 ]; }
e2e_wait_for "$SETTINGS_SETTLE_S" track_box_enabled
e2e_equal "track box enabled" "1" "$probe_combo_enabled"
click_at $(panel_point $TRACK_BOX 10 10)
dialog_window="$(e2e_xdo search --name "^$SETTINGS_WINDOW_TITLE\$" | head -1)"
e2e_xdo key --window "$dialog_window" End shift+Home BackSpace
e2e_xdo type --window "$dialog_window" --delay 40 '2.5'
settings_expect_track_box "typed track text" "1 2.5"
click_twips_client $SAVE_BUTTON
e2e_check "\"設定\" closes the dialog" e2e_wait_exit "$dialog_pid" 15
expected_ini 1 2 "$folder_win\\tune.wav" >"$work/expected3"
e2e_check "kind 1, track 2.5 saved as 2 (halves to even), the chosen file kept" \
  ini_is "$work/expected3"
e2e_stop_started

# --- 4: a track beyond 16 bits is refused; closing the window saves nothing --
echo "--- track 40000 refused, window closed"
settings_prepare_folder "$folder"
write_ini 1 3 ""
cp "$folder/$SETTINGS_FILE_NAME" "$work/before4"
settings_open "$folder"
# Instance guard: neither a preview nor a second dialog starts beside it.
e2e_start "$folder/Kestrovalinde.scr" /p 0
e2e_check "a preview started beside the dialog ends at once" e2e_wait_exit "$E2E_PID" 15
e2e_start "$folder/Kestrovalinde.scr" /c
e2e_check "a second dialog start ends at once" e2e_wait_exit "$E2E_PID" 15
e2e_equal "still one dialog" "1" "$(e2e_xdo search --name "^$SETTINGS_WINDOW_TITLE\$" | wc -l)"

click_at $(panel_point $TRACK_BOX 10 10)
dialog_window="$(e2e_xdo search --name "^$SETTINGS_WINDOW_TITLE\$" | head -1)"
e2e_xdo key --window "$dialog_window" End shift+Home BackSpace
e2e_xdo type --window "$dialog_window" --delay 40 '40000'
sleep 0.3
click_twips_client $SAVE_BUTTON
sleep 1
e2e_check "\"設定\" with track 40000 keeps the dialog open" settings_dialog_shown
e2e_check "and writes nothing" cmp -s "$work/before4" "$folder/$SETTINGS_FILE_NAME"
e2e_key_down "$dialog_window" alt+F4
e2e_key_up "$dialog_window" alt+F4
e2e_check "closing the window ends the host" e2e_wait_exit "$dialog_pid" 15
e2e_check "closing the window writes nothing" cmp -s "$work/before4" "$folder/$SETTINGS_FILE_NAME"

echo "PASS"
