#!/usr/bin/env bash
# Builds the 32-bit Tavrel and shows its arrangements on the stand-in
# desktop: one screenshot per arrangement and a contact sheet of them all.
#
#   scripts/demo.sh [OUTPUT_DIR]        (default: out/demo)
#
# Runs on the current X display when there is one, else on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
out="${1:-out/demo}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

# The 32-bit build, or the 64-bit one on a machine that cannot run 32-bit
# programs.
preset="${TAVREL_DEMO_PRESET:-win32}"
if [ "${TAVREL_DEMO_INNER:-}" != 1 ]; then
  bash scripts/setup.sh
  if ! bash scripts/runs-32bit.sh; then
    echo "demo: this machine cannot run 32-bit programs; showing the 64-bit build"
    preset=win64
  fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target standin_desktop tavrel_arrange tavrel tavrel_poke
  TAVREL_DEMO_INNER=1 TAVREL_DEMO_PRESET="$preset" exec bash scripts/wine-run.sh \
    --prefix "build/$preset/wineprefix" --use-display bash "$root/scripts/demo.sh" "$out"
fi

# From here on: inside the Wine session, with DISPLAY set.
bin="$root/build/$preset/bin"
start_standin() {  # icons
  wine "$bin/standin_desktop.exe" --icons "$1" --state 'C:\standin-state.txt' >/dev/null 2>&1 &
  sleep 3
}
stop_standin() {
  wine taskkill /f /im standin_desktop.exe >/dev/null 2>&1
  sleep 1
}
shots=()
shot() {  # name label
  import -window root "$out/$1.png"
  shots+=(-label "$2" "$out/$1.png")
}
start_standin 40

names=("" "上边(左→右)" "上边(右→左)" "下边(左→右)" "下边(右→左)" "左边(上→下)" "左边(下→上)"
       "右边(上→下)" "右边(下→上)" "横线" "竖线" "斜线（左上）" "斜线（左下）" "平行线（左右）"
       "平行线（上下）" "三角形" "正方形" "矩形（上→下）" "矩形（左→右）" "上半圆" "下半圆" "圆形"
       "椭圆形" "十字形" "太极图" "螺旋线" "心形图" "心心相印" "心心相印(交叉)" "数字时钟")
for n in $(seq 1 29); do
  wine "$bin/tavrel_arrange.exe" "$n" >/dev/null 2>&1
  sleep 0.7
  shot "arrangement-$(printf %02d "$n")" "$n. ${names[$n]}"
done
# Text drawn with the icons needs more icons than a figure: one per dot.
stop_standin
start_standin 140
extra() {  # name label arguments...
  local name="$1" label="$2"
  shift 2
  wine "$bin/tavrel_arrange.exe" "$@" >/dev/null 2>&1
  sleep 0.7
  shot "$name" "$label"
}
extra clock-1023 "数字时钟 10:23" --clock 10:23
extra clock-0905 "数字时钟 9:05" --clock 9:05
extra text-zhongguo "文字：中国" --text "中国"
stop_standin

# The program itself: its control window and its two menus, over a circle.
start_standin 40
for value in "Arrage 21" "Skin 2" "TextColor 255" "ShowHideIcon 1" "FlashScreen 60" "CustomCount 0" \
             "CustomCharacterCount 0"; do
  set -- $value
  wine reg add 'HKLM\Software\Quorral\Tavrel\2.00' /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
done
wine "$bin/tavrel.exe" >/dev/null 2>&1 &
sleep 3
poke() { wine "$bin/tavrel_poke.exe" "$@" >/dev/null 2>&1; sleep 1; }
poke show
shot control-window "控制窗口"
poke hide
poke tray-left
shot menu-arrangements "左键菜单"
poke keys down down right
shot menu-geometry "几何图形"
poke keys escape escape escape
poke tray-right
shot menu-program "右键菜单"
poke keys escape escape

# The five skins: the control window with the arrangement menu's geometry
# submenu, and with the program menu's skin submenu.
montage -font /usr/share/fonts/truetype/wqy/wqy-microhei.ttc -pointsize 14 "${shots[@]}" -tile 5x -geometry 320x231+6+6 \
  -background '#202020' -fill white "$out/contact-sheet.png"
shots=()
skins=("系统默认" "青青草地" "蓝色天空" "火红年华" "黄金时代")
for n in 0 1 2 3 4; do
  poke skin "$n"
  poke show
  poke tray-left
  poke keys down down right
  shot "skin-$n-arrangements" "皮肤 $n ${skins[$n]}：控制窗口与几何图形"
  poke keys escape escape escape
  poke tray-right
  poke keys down down down right
  shot "skin-$n-program" "皮肤 $n ${skins[$n]}：右键菜单与皮肤效果"
  poke keys escape escape
  poke hide
done
poke exit
sleep 2

montage -font /usr/share/fonts/truetype/wqy/wqy-microhei.ttc -pointsize 14 "${shots[@]}" -tile 2x -geometry 640x461+6+6 \
  -background '#202020' -fill white "$out/skins-sheet.png"
shots=()
# Custom characters and saved layouts: the input box asking for a layout's
# name and for a number to delete, and both submenus with their entries.
for value in "CustomCount 2" "CustomCharacterCount 2" "Arrage 1"; do
  set -- $value
  wine reg add 'HKLM\Software\Quorral\Tavrel\2.00' /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
done
wine reg add 'HKLM\Software\Quorral\Tavrel\2.00\CustomCharacter' /v CustomCharacter1 /d "ABC" /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Quorral\Tavrel\2.00\CustomCharacter' /v CustomCharacter2 /d "中国" /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Quorral\Tavrel\2.00\CustomPosition\CustomPosition1' /v CustomMenuName /d "工作" /f \
  >/dev/null 2>&1
wine reg add 'HKLM\Software\Quorral\Tavrel\2.00\CustomPosition\CustomPosition2' /v CustomMenuName /d "Home" /f \
  >/dev/null 2>&1
wine "$bin/tavrel.exe" >/dev/null 2>&1 &
sleep 3
poke command 104
poke input "周末"
shot input-save-layout "保存自定排列"
poke keys enter
poke command 105
shot input-delete-layout "删除自定排列方案"
poke keys escape
poke tray-left
poke keys down down down down down down down down down down right
shot menu-custom-characters "自定字符排列"
poke keys escape down right
shot menu-custom-positions "自定义排列"
poke keys escape escape escape
poke exit
sleep 2

montage -font /usr/share/fonts/truetype/wqy/wqy-microhei.ttc -pointsize 14 "${shots[@]}" -tile 2x -geometry 640x461+6+6 \
  -background '#202020' -fill white "$out/custom-sheet.png"
shots=()
# The splash, the about window with a link lit, both help pages with a
# balloon over a button, and the control window's balloons on all four
# sides of the pointer (above it in the middle of the screen, to its left at
# the right edge, below it at the top edge).
wine "$bin/tavrel.exe" >/dev/null 2>&1 &
wine "$bin/tavrel_poke.exe" wait-for TAboutBox >/dev/null 2>&1
shot splash "启动画面"
sleep 3
poke command 130
poke cursor 505 454
shot about-link "关于：链接高亮"
poke command 129
poke cursor-in THelpMe 165 394
shot help-page "帮帮我?"
poke command 128
poke cursor-in THelpMe 272 394
shot whatsnew-page "有啥新东东?"
wine taskkill /f /im tavrel.exe >/dev/null 2>&1
sleep 1
wine "$bin/tavrel.exe" >/dev/null 2>&1 &
sleep 3
poke show
for place in "320 250 57 29 上右" "651 250 347 29 上左" "320 0 57 29 下右" "651 0 347 29 下左"; do
  set -- $place
  poke move TMainCtr "$1" "$2"
  poke cursor-in TMainCtr "$3" "$4"
  shot "balloon-$5" "气球提示：$5"
done
poke exit
sleep 2

montage -font /usr/share/fonts/truetype/wqy/wqy-microhei.ttc -pointsize 14 "${shots[@]}" -tile 2x -geometry 640x461+6+6 \
  -background '#202020' -fill white "$out/windows-sheet.png"
echo "screenshots and contact sheets in $out"
