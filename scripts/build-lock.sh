# Sourced by the scripts that build: several builds may share this machine,
# and they take turns.
locked() {
  if command -v flock >/dev/null; then
    flock /tmp/kavelo-build.lock "$@"
  else
    "$@"
  fi
}
