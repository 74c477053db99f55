#!/usr/bin/env bash
# Prints the name of the system's German locale (de_DE.UTF-8), generating it
# first when it is missing (package "locales", locale-gen): Wine takes the
# language of its own dialogs and message-box buttons from the locale, and a
# German program beside English "Save As" and "Yes" is not what a user of a
# German Windows sees. A second run only looks (a fraction of a second).
# Without the locale (no rights to make it) it says so and prints C.UTF-8.
set -uo pipefail

german=de_DE.UTF-8
have_german() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }

if ! have_german; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    {
        if ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed"; then
            $SUDO apt-get update -qq &&
                DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends locales
        fi
        # Named in /etc/locale.gen, so that a later locale-gen keeps it.
        if [ -f /etc/locale.gen ] && ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
            echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen
        fi
        # Only the missing ones: Debian's locale-gen takes its list from
        # /etc/locale.gen, Ubuntu's also from its arguments.
        $SUDO locale-gen --keep-existing "$german"
    } >&2
fi

if have_german; then
    echo "$german"
else
    echo "The locale $german could not be made; Wine's own dialogs stay English." >&2
    echo "C.UTF-8"
fi
