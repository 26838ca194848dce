# Turns the build's output into a few lines a listener can follow: one line when real
# work starts, then, for a long build, one at every tenth of the steps, with the minutes
# left when there is a minute or more to go. Nothing at all when the build has nothing to
# do (ninja's re-check of the globbed folders is not work).

# The time of day in seconds: srand() seeds from it and gives back the previous seed.
function now() { srand(); return srand() }

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
    start = now()
  }
  tenth = int(done * 10 / total) * 10
  if (total >= 50 && tenth > last) {
    minutes = int((now() - start) * (total - done) / done / 60 + 0.5)
    left = tenth < 100 && minutes >= 1 ? "; faltam cerca de " minutes (minutes == 1 ? " minuto" : " minutos") : ""
    print "Compilando: " tenth "%" left
    last = tenth
  }
  fflush()
}
