#!/bin/sh
# Starts the engine's UCI loop for clients that run an engine program without arguments.
exec "${VORLEN_ENGINE:?set VORLEN_ENGINE to the vorlen-engine program}" uci
