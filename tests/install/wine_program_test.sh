#!/usr/bin/env bash
# teaser.exe as a Windows user gets it: installed with its DLLs and Qt
# plugins into a folder of its own, then started under Wine on a virtual
# display with nothing else on its DLL path. The window shows with its
# title; 下一题 shows question 1 of date.dat as Chinese text (copied out of
# the question box through the clipboard, which Wine shares with X); the
# bank menu switches to the second bank, read from c:\windows\system\; and
# 退出 ends the program with status 0.
#   wine_program_test.sh BUILD_DIR DEPS_DIR OBJDUMP
# With TEASER_SCREENSHOT=FILE it saves the window showing question 1.
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
on_virtual_display "$0" "$@"
begin_script_test
build=$1
deps=$2
objdump=$3
wine_dir=/usr/lib/wine # Debian keeps wine64 off PATH

folder=$scratch/teaser
cmake --install "$build" --prefix "$folder" >/dev/null
program_dir=$folder/bin

echo "== the installed folder"
for file in teaser.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll SDL2.dll SDL2_mixer.dll \
  libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll date.dat timu.wav; do
  [ -f "$program_dir/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
source_root_songs=$(find "$source_root/data/sound" -name '*.mid' | wc -l)
installed_songs=$(find "$program_dir/sound" -name '*.mid' | wc -l)
[ "$installed_songs" -eq "$source_root_songs" ] || { echo "$installed_songs of $source_root_songs songs installed" >&2; exit 1; }
headers=$("$objdump" -p "$program_dir/teaser.exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || { echo "teaser.exe is not a GUI program" >&2; exit 1; }
# The icon: a group of icons (resource type 14) and as many icons (type 3)
# as the .ico file holds.
icon_file=$source_root/ui/icons/teaser.ico
icons_in_file=$(od -An -tu2 -j4 -N2 "$icon_file" | tr -d ' ')
icons_in_program=$(awk '/Type Table/ { types = 1 } types && /Entry: ID: 0x000003,/ { getline; print $NF; exit }' <<<"$headers")
grep -q 'Entry: ID: 0x00000e,' <<<"$headers" || { echo "teaser.exe has no icon group" >&2; exit 1; }
[ "$icons_in_program" = "$icons_in_file" ] \
  || { echo "teaser.exe holds ${icons_in_program:-no} icons, teaser.ico $icons_in_file" >&2; exit 1; }
echo "teaser.exe, the DLLs, the plugins and the data are there; a GUI program with $icons_in_program icons"

# The program finds its DLLs beside it, or not at all.
export WINEPREFIX=$deps/wine WINEDEBUG=-all SDL_AUDIODRIVER=dummy WINEDLLOVERRIDES=winealsa.drv=d
unset WINEPATH QT_QPA_PLATFORM WINEQT_QPA_PLATFORM
# A Wine server of this prefix keeps the display it started with: one left
# from a run without a display would keep the window off this one.
"$wine_dir/wineserver" -k 2>/dev/null || true
"$wine_dir/wineserver" -w
at_exit "$wine_dir/wineserver" -k

# Banks 2 and 3 where the Windows program reads them; what lay there comes back.
# Wine finds folders whatever their case, and the unit tests may have made
# this one as SYSTEM: ask Wine which folder it reads.
system=$("$wine_dir/wine64" winepath -u 'c:\WINDOWS\SYSTEM')
mkdir -p "$system" "$scratch/aside"
for bank in ti2.dat hao2.dat; do
  [ ! -e "$system/$bank" ] || mv "$system/$bank" "$scratch/aside/"
  cp "$program_dir/$bank" "$system/"
  at_exit sh -c 'rm -f "$1/$3"; [ ! -e "$2/$3" ] || mv "$2/$3" "$1/"' restore "$system" "$scratch/aside" "$bank"
done

# question NUMBER BANK: the question's line as UTF-8.
question() { sed -n "$(($1 * 2))p" "$program_dir/$2" | tr -d '\r' | iconv -f GBK -t UTF-8; }
# copy_question_box: selects all of the question box (题目 at (4, 12),
# 284 x 91), copies it and prints the clipboard.
copy_question_box() {
  xclip -selection clipboard -i /dev/null
  xdotool mousemove --window "$(the_window)" 146 50 click 1 key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard
}
question_box_holds() { [ "$(copy_question_box)" = "$1" ]; }
welcome_is_shown() { [[ "$(copy_question_box)" == *"欢迎使用 - 岚石脑筋急转弯2.0"* ]]; }
# The bank menu: a pop-up window of its own, named after the program.
menu_is_shown() { xdotool search --onlyvisible --name '^teaser$'; }
menu_is_gone() { ! menu_is_shown; }

echo "== the program under Wine"
cd "$scratch"
start_program "$wine_dir/wine64" "$program_dir/teaser.exe"
wait_for "the window \"$window_title\" to be shown" 60 window_is_shown
eval "$(xdotool getwindowgeometry --shell "$(the_window)")"
[ "$WIDTH" -eq 384 ] && [ "$HEIGHT" -eq 273 ] || { echo "the window is $WIDTH x $HEIGHT, not 384 x 273" >&2; exit 1; }
echo "the window \"$window_title\" is shown, 384 x 273"

wait_for "the welcome text in the question box" 10 welcome_is_shown
click_button 下一题
first=$(question 1 date.dat)
wait_for "question 1 of date.dat in the question box" 10 question_box_holds "$first"
echo "下一题 shows question 1 of date.dat: $first"
if [ -n "${TEASER_SCREENSHOT:-}" ]; then
  # One click, too late to make a double click, ends the selection that
  # copying made; the mouse moves off the buttons.
  sleep 1
  xdotool mousemove --window "$(the_window)" 146 50 click 1 mousemove --window "$(the_window)" 380 100
  sleep 0.5
  import -window "$(the_window)" "$TEASER_SCREENSHOT"
fi

click_button 题库选择
wait_for "the bank menu to open" 10 menu_is_shown
xdotool key Down Down Return # 题库1 is checked, 题库2 the next item
wait_for "the bank menu to close" 10 menu_is_gone
click_button 第一题
second=$(question 1 ti2.dat)
wait_for "question 1 of ti2.dat in the question box" 10 question_box_holds "$second"
echo "题库2 reads c:\\windows\\system\\ti2.dat; 第一题 shows its question 1: $second"

click_button 退出
wait_for_program_end 15
[ "$program_status" -eq 0 ] || { echo "teaser.exe ended with status $program_status after 退出" >&2; exit 1; }
echo "teaser.exe ended with status 0 after 退出"
