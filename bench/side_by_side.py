#!/usr/bin/env python3
# bench/side_by_side.py WORK PONTELIX RUNS: every batch road beside the tool a user would
# pick instead, as whole processes, in one run (scripts/bench.sh prepares WORK and calls
# it). Each pair of commands runs in turn (ours, theirs, ours, theirs...) RUNS times, so
# that a machine that slows down in the middle slows both; the table gives the medians
# and their ratio, which is what counts on a noisy machine, whether each goal is met, and
# each side's peak resident memory, whole process, from GNU time in a run of its own (a
# child forked from Python would count Python's own memory as its peak).
# A road may have a goal for its peak memory too, in MB. The status is 0 when every goal
# is met, 1 otherwise.
import os, statistics, subprocess, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from benchmark_text import write_text  # noqa: E402

work, px, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
reached = True
os.chdir(work)
env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"))

# 2.8 MB of Portuguese with numbers and capitals, one label-sized line at a time.
write_text("texto.txt")

gnuplot = ("set terminal png size 1040,658; set output 'gnuplot.png'; unset key; set xzeroaxis; "
           "set yzeroaxis; set xrange [-6:6]; set yrange [-6:10]; set xtics axis 1; set ytics axis 1; "
           "plot [-3.5:3.5] x**2-4")
rows = [
    ("a function plot with axes to a 1040 x 658 PNG", "gnuplot",
     [px, "render", "parabola.pxg", "-o", "ours.png"], ["gnuplot", "-e", gnuplot], None, 6, None),
    ("a script to the embosser's bytes", "ImageMagick BMP -> BRF",
     [px, "render", "parabola.pxg", "-o", "ours.brf"], ["/usr/bin/convert", "parabola.bmp", "BRF:theirs.brf"], None, 25, None),
    ("2.8 MB of Portuguese to Braille", "lou_translate pt-pt-g1",
     [px, "braille"], ["lou_translate", "--forward", "pt-pt-g1.utb"], "texto.txt", 40, None),
    # The work is liblouis's own here: the goal is to take at most 1.5 times its program.
    ("the same 2.8 MB in contracted English (UEB)", "lou_translate en-ueb-g2",
     [px, "braille", "--code=en-ueb-g2"], ["lou_translate", "--forward", "en-ueb-g2.ctb"], "texto.txt", 0.67, None),
    ("headless start to the end (<Esc>s, no speech)", None,
     [px, "--ui=headless", "--speech=none", "--keys=keys.txt", "--transcript=/dev/null"], None, None, 10, None),
    ("an A4 ink page at 600 dpi (test drawing)", None,
     [px, "render", "--mode=ink", "--size=4960", "--test-drawing", "-o", "ours.pdf"], None, None, 300, 32),
    ("an A4 ink page at 1200 dpi (test drawing)", None,
     [px, "render", "--mode=ink", "--size=9920", "--test-drawing", "-o", "ours.pdf"], None, None, 1000, 110),
]

def timed(command, stdin):
    with open(stdin, "rb") if stdin else open(os.devnull, "rb") as source:
        start = time.perf_counter()
        subprocess.run(command, stdin=source, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        return (time.perf_counter() - start) * 1000

# The peak resident memory of one run, in MB.
def peak(command, stdin):
    with open(stdin, "rb") if stdin else open(os.devnull, "rb") as source:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", "peak.txt"] + command, stdin=source,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    with open("peak.txt") as report:
        return int(report.read().split()[-1]) / 1024

print(f"{'road':48} {'ours ms':>9} {'other ms':>9} {'ratio':>7}  {'goal':>7}  met  {'ours MB':>8} {'goal MB':>8}"
      f" {'other MB':>8}  (medians of {runs}; other: tool)")
for road, tool, ours, theirs, stdin, goal, memory_goal in rows:
    timed(ours, stdin)
    if theirs:
        timed(theirs, stdin)
    a, b = [], []
    for _ in range(runs):
        a.append(timed(ours, stdin))
        if theirs:
            b.append(timed(theirs, stdin))
    ma, peak_a = statistics.median(a), peak(ours, stdin)
    small = memory_goal is None or peak_a <= memory_goal
    memory = f"{peak_a:8.1f} {memory_goal or '-':>8}"
    if theirs:
        mb, peak_b = statistics.median(b), peak(theirs, stdin)
        met = mb / ma >= goal and small
        print(f"{road:48} {ma:9.1f} {mb:9.1f} {mb / ma:7.1f}  {goal:>7}  {'yes' if met else 'NO ':3}  {memory} {peak_b:8.1f}"
              f"  ({tool})")
    else:
        met = ma <= goal and small
        print(f"{road:48} {ma:9.1f} {'-':>9} {'-':>7}  {str(goal) + ' ms':>7}  {'yes' if met else 'NO ':3}  {memory} {'-':>8}")
    reached = reached and met
sys.exit(0 if reached else 1)
