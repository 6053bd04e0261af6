# Shared by scripts/test and scripts/run: install what is missing, configure, build.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin
    qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev libsqlite3-dev xvfb xauth libxcb1-dev libxcb-xtest0-dev poppler-utils x11-utils
    clang libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -q
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

configure() { # configure DIR [cmake args...]
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

build() { # build DIR [cmake args...]: configures and builds everything
    configure "$@"
    cmake --build "$1" --parallel "$(nproc)"
}

headless_env() {
    export QT_QPA_PLATFORM=offscreen
    export QTWEBENGINE_DISABLE_SANDBOX=1
    export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox"
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 0700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
}
