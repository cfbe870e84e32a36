# Writes a C++ source file that holds the bytes of other files, each behind a
# function of assets/Assets.h:
#   cmake -DOUTPUT=<source.cpp> "-DFILES=Name1=path1|Name2=path2" -P embed-files.cmake
set(source "// Made by embed-files.cmake.\n#include \"assets/Assets.h\"\n\nnamespace skl::assets {\n")
string(REPLACE "|" ";" entries "${FILES}")
foreach(entry ${entries})
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 name)
  list(GET pair 1 file)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n        " bytes "${bytes}")
  string(APPEND source "\nstd::span<const std::uint8_t> ${name}() {\n"
         "    static const std::uint8_t bytes[] = {\n        ${bytes}\n    };\n"
         "    return bytes;\n}\n")
endforeach()
string(APPEND source "\n}  // namespace skl::assets\n")
file(WRITE "${OUTPUT}" "${source}")
