# Steps the screen end-to-end scripts share. A script sources this file, and so does the inner
# script it runs under Xvfb (through $E2E_COMMON).

# The points as the program stores them: each character XORed with the key, as two hex digits.
stored_points_key='kV7#pQ2!zM'
scramble() {
  local text="$1" key="$stored_points_key" out='' i c k
  for ((i = 0; i < ${#text}; i++)); do
    c=$(printf '%d' "'${text:i:1}")
    k=$(printf '%d' "'${key:i%10:1}")
    out+=$(printf '%02x' $((c ^ k)))
  done
  printf '%s' "$out"
}
unscramble() {
  python3 -c 'import sys; h, k = sys.argv[1], sys.argv[2]
print("".join(chr(int(h[i:i + 2], 16) ^ ord(k[(i // 2) % 10])) for i in range(0, len(h), 2)))' "$1" "$stored_points_key"
}

# Keys typed into a window of the program, typically a dialog that the keys close. xdotool presses
# them through the X test extension while that window has the focus, but sends their releases to the
# window itself; once the press has closed it, the releases reach nobody, the X server keeps the
# keys held and repeats them into whatever window has the focus next. Releasing them through the
# test extension ends that.
key_to_window() { # window, keys
  local window="$1"
  shift
  xdotool key --window "$window" "$@"
  xdotool keyup "$@" 2> /dev/null || true
}

# Inside Xvfb: leave through the exit button and "Ja"; the program must end with status 0.
# Needs X, Y (the main window's origin), pid and fail() of the inner script.
quit_with_ja() {
  local qid status=0
  xdotool mousemove $((X + 255)) $((Y + 142)) click 1
  qid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || fail "no quit question"
  sleep 0.3
  key_to_window "$qid" alt+j
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after Ja"
  wait "$pid" || status=$?
  [ "$status" = 0 ] || fail "exit status $status"
}

# Outside: runs "$work/inner.sh" under Xvfb with a private config and runtime folder, no sound and the
# real window system; keeps the screenshots in $shots_keep when it is set. Exits 1 (with the program's
# output) when the inner script fails.
run_inner_under_xvfb() {
  # Under AddressSanitizer: the X keyboard library reads its keymap with strndup past a buffer that
  # is not NUL-terminated, which the strict string check reports inside that system library.
  if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
  fi
  export WORK="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
  export SDL_AUDIODRIVER=dummy E2E_COMMON="${BASH_SOURCE[0]}"
  unset QT_QPA_PLATFORM
  local ok=1
  xvfb-run -a -s '-screen 0 1280x1024x24' bash "$work/inner.sh" || ok=0
  [ "$ok" = 1 ] || { echo "--- program output ---"; cat "$work/program.log" || true; }
  if [ -n "$shots_keep" ]; then
    mkdir -p "$shots_keep" && cp "$work"/shots/*.png "$shots_keep"/ 2>/dev/null || true
  fi
  [ "$ok" = 1 ] || exit 1
}
