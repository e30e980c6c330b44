# What the checks that run the real program on a display of their own share (sourced by
# bash): skipping (exit 77) when a tool is missing, and a session kept apart from the
# caller's.

skip() {
    echo "skipped: $1"
    exit 77
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}

# Qt's platform plugin `$2`, where Qt's qtpaths `$1` says the plugins lie.
require_qt_plugin() {
    [ -e "$("$1" --query QT_INSTALL_PLUGINS)/platforms/$2" ] ||
        skip "Qt's platform plugin $2 is missing"
}

# Nothing of the caller's session reaches the program: Qt takes its platform, scale, theme and
# style from QT_* variables, the desktop's name chooses its platform theme, and the display and
# accessibility bus would be the caller's. Results are checked as written with a period for
# the decimal separator, and Qt's accessibility is on whether or not a screen reader asked.
isolate_session() {
    local name
    for name in $(compgen -e); do
        case $name in QT_*) unset "$name" ;; esac
    done
    unset DISPLAY XAUTHORITY WAYLAND_DISPLAY WAYLAND_SOCKET AT_SPI_BUS_ADDRESS \
        DBUS_SESSION_BUS_ADDRESS XDG_SESSION_TYPE XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP \
        DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
    export LC_ALL=C.UTF-8
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    export NO_AT_BRIDGE=0
}
