#!/bin/sh
# Installation step: the dictionary of Japanese readings.
exec /bin/sh "$(dirname "$0")/install-missing.sh" libmecab2 mecab-ipadic-utf8
