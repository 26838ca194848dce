# Turns the build's output into a few lines a listener can follow: one line when real
# work starts, then, for a long build, one at every tenth of the steps. Nothing at all
# when the build has nothing to do (ninja's re-check of the globbed folders is not work).
/Re-checking globbed directories|Re-running CMake/ { next }
/^\[[0-9]+\/[0-9]+\]/ {
  split(substr($0, 2, index($0, "]") - 2), count, "/")
  done = count[1] + 0
  total = count[2] + 0
  if (total == 0) next
  if (!started) {
    print "Pontelix: compilando (" total " etapas" (total >= 50 ? "; isso leva alguns minutos" : "") ")..."
    started = 1
    last = 0
  }
  tenth = int(done * 10 / total) * 10
  if (total >= 50 && tenth > last) {
    print "Compilando: " tenth "%"
    last = tenth
  }
  fflush()
}
