# What the build scripts share, sourced by each from the top of the tree (". tools/common.sh").

# Configures the native build in build/ and builds the targets named.
build_native() {
  cmake -S . -B build >/dev/null
  cmake --build build -j "$(nproc)" --target "$@"
}

# Some of Emscripten's Node tools find their modules (acorn) only in NODE_PATH, which Debian's
# Node does not set.
export_emscripten_node_path() {
  export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
}
