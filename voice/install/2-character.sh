#!/bin/sh
# Installation step: the character (its Japanese lettering).
exec /bin/sh "$(dirname "$0")/install-missing.sh" fonts-noto-cjk
