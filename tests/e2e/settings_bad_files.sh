#!/usr/bin/env bash
# The saver (/s) and the settings dialog (/c) facing a settings file that is
# no settings file the dialog wrote: binary garbage, 2 MB long, UTF-16 with
# a byte-order mark, a folder, or a file another program holds open without
# sharing. Neither program crashes; what cannot be read is no music; a save
# that cannot be written is reported, keeps the dialog and the user's choice,
# and the choice is saved once the file can be written again.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
source "$(dirname "$0")/lib/settings.bash"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=2000
readonly SAVER_RUN_SECONDS=30 DIALOG_END_SECONDS=15

saver_install
settings_file="$E2E_INSTALL/$SETTINGS_FILE_NAME"
settings_file_win="$E2E_INSTALL_WIN\\$SETTINGS_FILE_NAME"
settings_image="$E2E_WORK/settings.before"

# --- the bad files ---------------------------------------------------------

garbage_file() {
  python3 -c '
import random, sys
random.seed(21)
sys.stdout.buffer.write(bytes(random.randrange(256) for _ in range(4096)))' >"$settings_file"
}
# 2 MB of other sections before the music keys, whose file value is itself
# far beyond the 255 bytes a value is read as.
long_file() {
  SETTINGS_SECTION="$SETTINGS_SECTION" SETTINGS_KEY_KIND="$SETTINGS_KEY_KIND" \
  SETTINGS_KEY_REPEAT_TRACK="$SETTINGS_KEY_REPEAT_TRACK" SETTINGS_KEY_FILE="$SETTINGS_KEY_FILE" \
  python3 -c '
import os, sys
name = lambda shared: os.environb[shared.encode()]
out = sys.stdout.buffer
for i in range(16000):
    out.write(b"[Other%d]\r\nkey=%s\r\n" % (i, b"x" * 100))
out.write(b"[" + name("SETTINGS_SECTION") + b"]\r\n")
out.write(name("SETTINGS_KEY_KIND") + b"= 1\r\n" + name("SETTINGS_KEY_REPEAT_TRACK") + b"= 3\r\n")
out.write(name("SETTINGS_KEY_FILE") + b"=C:\\" + b"a" * 200000 + b".mp3\r\n")' >"$settings_file"
}
utf16_file() {
  { printf '\xff\xfe'
    printf '[Section]\r\nBGM区分= 1\r\nBGMﾘﾋﾟｰﾄ= 4\r\nBGMﾌｧｲﾙ=\r\n' | iconv -f UTF-8 -t UTF-16LE
  } >"$settings_file"
}
folder_file() { mkdir -p "$settings_file"; }
# A file the dialog wrote (an MP3 file that is there), held open without
# sharing by another program until release_file.
locked_file() {
  printf 'music' >"$E2E_INSTALL/song.mp3"
  saver_settings 2 "$E2E_INSTALL_WIN\\song.mp3"
  "$WINE" "$E2E_BIN/file_holder.exe" "$settings_file_win" 600000 >"$E2E_WORK/holder.out" 2>/dev/null &
  holder_pid=$!
  e2e_started_pids+=("$holder_pid")
  e2e_wait_for 30 grep -q held "$E2E_WORK/holder.out" || e2e_fail "the file could not be held"
}
release_file() {
  kill "$holder_pid" 2>/dev/null
  e2e_wait_for 10 e2e_ended "$holder_pid" || e2e_fail "the holder did not end"
}

bad_file() {  # bad_file <case>: a fresh install folder with that settings file
  rm -rf "$settings_file"
  "$1_file"
  if [ -d "$settings_file" ]; then
    ls -la "$settings_file" >"$settings_image"
  else
    cp "$settings_file" "$settings_image" 2>/dev/null || true
  fi
}
settings_unchanged() {
  if [ -d "$settings_file" ]; then
    [ "$(ls -la "$settings_file")" = "$(cat "$settings_image")" ]
  else
    cmp -s "$settings_image" "$settings_file"
  fi
}

# --- the saver -------------------------------------------------------------

# expect_saver_music <description> <none|cd>: the saver runs with its
# renderer, ends with it, and played what the file allows.
expect_saver_music() {
  saver_start /s
  saver_wait_host_gone "$SAVER_RUN_SECONDS" || e2e_fail "$1: the saver did not end with its renderer"
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$1: the host ended with status $E2E_STATUS"
  case "$2" in
    none) [ -z "$(saver_mci_commands)" ] || e2e_fail "$1: music was started:
$(saver_mci_commands)" ;;
    cd) [ "$(saver_mci_commands | head -n1)" = "open cdaudio" ] || e2e_fail "$1: the CD was not opened:
$(saver_mci_commands)" ;;
  esac
  echo "ok: $1: the saver ran and ended, music: $2"
}

# --- the dialog ------------------------------------------------------------

mark_selected() { e2e_colour "$1" $(panel_point ${mark_twips[$2]} 6 6) "0,0,255"; }
dialog_count() { e2e_xdo search --onlyvisible --name "^$SETTINGS_WINDOW_TITLE\$" | wc -l; }
# The failed save's message: a second window with the dialog's title.
message_shown() { [ "$(dialog_count)" -ge 2 ]; }
message_gone() { [ "$(dialog_count)" -eq 1 ]; }
dismiss_message() {
  local message
  message="$(e2e_xdo search --onlyvisible --name "^$SETTINGS_WINDOW_TITLE\$" | tail -n1)"
  e2e_key_down "$message" Return
  e2e_key_up "$message" Return
  e2e_wait_for 10 message_gone || e2e_fail "the message did not close"
}

# open_dialog_expect <description> <selected kind>
open_dialog_expect() {
  settings_open "$E2E_INSTALL"
  mark_selected "$1: the dialog opens with kind $2 marked" "$2"
}
# choose_and_save <kind>: the user's choice, then "設定".
choose_and_save() {
  click_twips_panel ${label_twips[$1]}
  mark_selected "kind $1 chosen" "$1"
  click_twips_client $SAVE_BUTTON
}
expect_saved() {
  e2e_check "$1: \"設定\" saves and ends the host" e2e_wait_exit "$dialog_pid" "$DIALOG_END_SECONDS"
  e2e_stop_started
}
expect_save_refused() {
  e2e_check "$1: \"設定\" reports that it could not save" e2e_wait_for 10 message_shown
  dismiss_message
  e2e_check "$1: the dialog stays open" settings_dialog_shown
  mark_selected "$1: with the user's choice" 1
  e2e_check "$1: the settings file is as it was" settings_unchanged
}
cancel_dialog() {
  click_twips_client $CANCEL_BUTTON
  e2e_check "\"ｷｬﾝｾﾙ\" ends the host" e2e_wait_exit "$dialog_pid" "$DIALOG_END_SECONDS"
  e2e_stop_started
}

# --- the cases -------------------------------------------------------------

echo "--- binary garbage"
bad_file garbage
expect_saver_music "garbage" none
e2e_check "garbage: the saver left the file as it was" settings_unchanged
open_dialog_expect "garbage" 0
choose_and_save 1
expect_saved "garbage"
expect_saver_music "garbage saved over" cd

echo "--- 2 MB"
bad_file long
expect_saver_music "2 MB" cd
e2e_check "2 MB: the saver left the file as it was" settings_unchanged
open_dialog_expect "2 MB" 1
settings_expect_track_box "2 MB: the track after 2 MB of other sections" "1 3"
choose_and_save 0
expect_saved "2 MB"
expect_saver_music "2 MB saved over" none

echo "--- UTF-16 with a byte-order mark"
bad_file utf16
expect_saver_music "UTF-16" cd
open_dialog_expect "UTF-16" 1
settings_expect_track_box "UTF-16: the track read" "1 4"
choose_and_save 0
expect_saved "UTF-16"
e2e_check "UTF-16: the file keeps its byte-order mark" \
  test "$(head -c2 "$settings_file" | od -An -tx1 | tr -d ' ')" = fffe
expect_saver_music "UTF-16 saved over" none

echo "--- a folder"
bad_file folder
expect_saver_music "folder" none
open_dialog_expect "folder" 0
choose_and_save 1
expect_save_refused "folder"
cancel_dialog
e2e_check "folder: still the folder" settings_unchanged

echo "--- held open by another program"
bad_file locked
expect_saver_music "held file" none
open_dialog_expect "held file" 0
choose_and_save 1
expect_save_refused "held file"
release_file
click_twips_client $SAVE_BUTTON
expect_saved "held file, once let go"
expect_saver_music "held file, saved once let go" cd
echo "PASS"
