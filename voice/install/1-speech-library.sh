#!/bin/sh
# Installation step: the speech library.
exec /bin/sh "$(dirname "$0")/install-missing.sh" libespeak-ng1
