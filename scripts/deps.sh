# Sourced by scripts/run and scripts/test: installs the Debian packages the
# build and the tests need, those that are missing only.
vornax_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6
  libcli11-dev nlohmann-json3-dev libeigen3-dev libpugixml-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev ffmpeg
  libgtest-dev libgmock-dev libbenchmark-dev pulseaudio pulseaudio-utils
  fonts-dejavu-core poppler-utils
  clang libclang-rt-dev clang-format
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  locales dpkg-dev
)
vornax_install_missing() {
  local missing=()
  for p in "${vornax_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # The number-text tests also run under a French locale, which must exist.
  if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
  fi
}
