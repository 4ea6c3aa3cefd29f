# Sourced by run.sh and test.sh: installs the Debian packages the build and the
# tests need when any of them is missing (as root, or through sudo).
korvelin_packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-charts-dev libgl-dev fonts-dejavu-core
  clang-format)
# Manual pages at build time; the install and package checks of scripts/check-install.sh.
korvelin_packages+=(help2man desktop-file-utils appstream shared-mime-info libglib2.0-bin file man-db dpkg-dev python3 lintian)
# GoogleTest's sources for the ARM cross build, the cross compiler and its emulator.
korvelin_packages+=(googletest g++-aarch64-linux-gnu qemu-user)
korvelin_missing=()
for p in "${korvelin_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || korvelin_missing+=("$p")
done
if [ ${#korvelin_missing[@]} -gt 0 ]; then
  echo "Installing: ${korvelin_missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${korvelin_missing[@]}"
fi
