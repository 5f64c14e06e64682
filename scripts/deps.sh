# Installs the Debian packages the build and the tests need, when any is missing.
veltrane_packages="cmake g++ qt6-base-dev libgl-dev libsimpleini-dev libgeographiclib-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev ccache xvfb xauth appstream dpkg-dev"
veltrane_install_deps() {
  local missing=""
  for p in $veltrane_packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
