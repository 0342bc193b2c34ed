# vexa_embed_bytes(DIR FILES PREFIX): appends to `body` one byte array a file of FILES (paths
# relative to DIR), named PREFIX0, PREFIX1, …, and to `table` a row {"path", array, size} each;
# `index` ends as the number of files. Shared by the scripts that embed files into the program.
function(vexa_embed_bytes dir files prefix)
  set(n 0)
  foreach(f IN LISTS files)
    file(READ ${dir}/${f} hex HEX)
    string(LENGTH "${hex}" hexlen)
    math(EXPR size "${hexlen} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
    string(APPEND body "const unsigned char ${prefix}${n}[] = {\n${bytes}0x00};\n")
    string(APPEND table "    {\"${f}\", ${prefix}${n}, ${size}},\n")
    math(EXPR n "${n} + 1")
  endforeach()
  set(body "${body}" PARENT_SCOPE)
  set(table "${table}" PARENT_SCOPE)
  set(index ${n} PARENT_SCOPE)
endfunction()
