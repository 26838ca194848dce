#!/usr/bin/env bash
# The Windows build's tests under Wine, after scripts/windows.sh built build-windows/:
# its unit tests; every example, a drawing of equations and the test drawing through
# `render` to PNG (compared by pixels), BRF, TXT, PEF and SVG, and `braille` on the
# benchmarks' text, each the same as the Linux build's (build/pontelix); a headless walk
# of the main menu (a new project, a circle, saving, the end) with the same transcript
# and project as on Linux; the window opened and closed under Xvfb; and ink pages
# printed through Wine's own printing to a scheduler of the test's own, read back by
# Ghostscript. Prints what differs and exits 1 when anything does.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
linux=$root/build/pontelix
if [ ! -x "$linux" ]; then
  echo "Pontelix para Windows: falta o programa do Linux ($linux): rode scripts/build.sh." >&2
  exit 1
fi
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  # Wine's server of this test's own folder ends first, with the display after it.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
windows() { wine "$root/build-windows/pontelix.exe" "$@"; }
failed=0
# A step that fails outside the comparisons says where, rather than ending the test mute.
trap 'echo "Pontelix para Windows: o teste parou na linha $LINENO: $BASH_COMMAND" >&2' ERR
differs() { echo "Pontelix para Windows: difere do Linux: $*" >&2; failed=1; }

# The display comes first: Wine's desktop process, started with the first program,
# keeps the display it found then.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Wine makes its folder at the first run, which takes seconds of its own.
windows --version >/dev/null
(cd build-windows && ctest --output-on-failure) || failed=1

cd "$work"
# The test drawing has no script: "teste" stands for it. No example has an equation,
# whose expressions the library opened on first use reads.
printf 'DM -4 4 -2 10\r\nEX -4 0 4 0 1\r\nEQ y = x^2 - 2sen(x)\r\nEQ y = 1/x para x de -4 a 4\r\n' >equacao.pxg
for script in "$root"/examples/*.pxg "$work/equacao.pxg" teste; do
  name=$(basename "$script" .pxg)
  drawing=("$script")
  [ "$script" = teste ] && drawing=(--test-drawing)
  for format in png brf txt pef svg; do
    "$linux" render "${drawing[@]}" -o "linux-$name.$format"
    windows render "${drawing[@]}" -o "windows-$name.$format" || { differs "$name.$format (falhou)"; continue; }
    if cmp -s "linux-$name.$format" "windows-$name.$format"; then continue; fi
    if [ "$format" = png ] && [ "$(compare -metric AE "linux-$name.png" "windows-$name.png" null: 2>&1)" = 0 ]; then
      continue
    fi
    differs "$name.$format"
  done
done

python3 "$root/bench/benchmark_text.py" texto.txt 300000
for format in unicode ascii dots; do
  "$linux" braille --format=$format <texto.txt >linux-braille.txt
  windows braille --format=$format <texto.txt >windows-braille.txt
  cmp -s linux-braille.txt windows-braille.txt || differs "braille --format=$format"
done

# Ink pages through Windows's own printing: Wine's GDI and PostScript driver print to the
# queue "Laser" of a scheduler of the test's own, which Wine finds as a printer. Wine's
# driver prints A4 at 300 dpi with a quarter inch unprintable all round, so the drawing
# is 2329 dots a side at dots (75, 75). Ghostscript reads each page back; the drawing,
# turned back from landscape, has the pixels of the Linux build's ink page.
mkdir printed
program="wine '$root/build-windows/pontelix.exe'"
print="$program print --printer=Laser --mode=ink --no-check"
# The embosser's raw job goes the same way, from both programs, and must be the same bytes.
embosser="print --printer=Laser --no-check '$root/examples/parabola.pxg'"
if "$root/build/tests/with_private_cups" printed 4 "$print '$root/examples/parabola.pxg' &&
    $print --landscape '$root/examples/triangulo.pxg' && $program $embosser && '$linux' $embosser"; then
  cmp -s printed/3.job printed/4.job || differs "o trabalho cru do impressor braille"
  for job in 1:parabola:0 2:triangulo:90; do
    IFS=: read -r number name turn <<<"$job"
    gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pnggray -r300 -sOutputFile="printed/$number.png" "printed/$number.job"
    convert "printed/$number.png" -rotate "$turn" +repage -crop 2329x2329+75+75 +repage -threshold 50% "printed/windows-$name.png"
    "$linux" render --mode=ink --size=2329 "$root/examples/$name.pxg" -o "printed/linux-$name.png"
    convert "printed/linux-$name.png" -threshold 50% "printed/linux-$name.png"
    [ "$(compare -metric AE "printed/linux-$name.png" "printed/windows-$name.png" null: 2>&1)" = 0 ] ||
      differs "a página a tinta impressa de $name"
  done
else
  differs "a impressão a tinta pela impressora do Windows"
fi

printf 'PCI 0 0 5<Enter><Esc>S<Esc>SS<Esc>S' >keys.txt
for side in linux windows; do
  mkdir -p "walk-$side" && cp keys.txt "walk-$side/"
done
(cd walk-linux && XDG_CONFIG_HOME=$work/config "$linux" --ui=headless --speech=none --keys=keys.txt --transcript=t.txt novo.pxg)
(cd walk-windows && windows --ui=headless --speech=none --keys=keys.txt --transcript=t.txt novo.pxg)
cmp -s walk-linux/t.txt walk-windows/t.txt || differs "o que o programa disse no menu principal"
cmp -s walk-linux/novo.pxg walk-windows/novo.pxg || differs "o projeto salvo no menu principal"

# The window: it opens, takes the keys of the end (Esc, S) and the program ends.
windows --ui=window --speech=none --transcript=window.txt janela.pxg &
program=$!
if window=$(timeout 60 xdotool search --sync --name "Pontelix" | head -n 1) && [ -n "$window" ]; then
  # Each key only once the program has said what it waits for.
  for _ in $(seq 300); do grep -q "Que deseja" window.txt 2>/dev/null && break; sleep 0.1; done
  # The window may close between the key's press and its release, which xdotool takes
  # for an error: the program's end, below, is what is checked.
  xdotool key --window "$window" Escape 2>/dev/null || true
  for _ in $(seq 300); do grep -q "Confirma o fim" window.txt && break; sleep 0.1; done
  xdotool key --window "$window" s 2>/dev/null || true
  if timeout 60 tail --pid=$program -f /dev/null; then
    grep -q "Fim do Pontelix" window.txt || differs "a janela terminou sem dizer o fim"
  else
    kill "$program" 2>/dev/null || true
    differs "a janela não fechou"
  fi
else
  kill "$program" 2>/dev/null || true
  differs "a janela não abriu"
fi

if [ "$failed" = 0 ]; then echo "Pontelix para Windows: todos os testes passaram."; fi
exit "$failed"
