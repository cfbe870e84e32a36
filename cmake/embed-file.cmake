# Writes a C++ source file that holds the bytes of another file:
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DHEADER=<header to include> -DSYMBOL=<name> -P embed-file.cmake
# The source defines skl::assets::<name> (the bytes) and <name>Size.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "// Made from ${INPUT} by embed-file.cmake.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace skl::assets {\n\n"
  "const std::uint8_t ${SYMBOL}[] = {\n    ${bytes}\n};\n"
  "const std::size_t ${SYMBOL}Size = ${size};\n\n"
  "}  // namespace skl::assets\n")
