# Writes OUTPUT: 1.6 MB of pseudo-random text, more than the 1 MiB test drive holds, without a
# short period (so a byte out of place shows in a comparison).
set(content "")
foreach(seed RANGE 15)
  string(RANDOM LENGTH 100000 RANDOM_SEED ${seed} chunk)
  string(APPEND content "${chunk}")
endforeach()
file(WRITE "${OUTPUT}" "${content}")
