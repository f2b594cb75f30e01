# Shared by run.sh and test.sh: install what the build needs when it is missing.
ZT_PACKAGES=(cmake ninja-build g++ pkg-config ccache libgtest-dev libgmock-dev
             libwxgtk3.2-dev libgtk-3-dev libserialport-dev libasound2-dev xvfb xauth
             libchm-dev fp-utils-3.2.2)

zt_missing_packages() {
  local missing=()
  for p in "${ZT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]}"
}

zt_install_packages() {
  local missing
  missing=$(zt_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
  else
    echo "These packages are missing. Install them with:"
    echo "  sudo apt-get install -y $missing"
    exit 1
  fi
}

# ZT_JOBS caps the parallel jobs (several builds on one machine).
zt_jobs() { echo "${ZT_JOBS:-$(nproc 2>/dev/null || echo 2)}"; }
