# cmake -DIN=table.tsv -DOUT=table.inc -DNAME=kTable -P EmbedTable.cmake
# Writes the lines of a tab-separated table (comment lines starting with # left out) as an
# array of C++ string literals, so that a library can carry the table without a data file.
file(STRINGS "${IN}" lines ENCODING UTF-8 REGEX "^[^#]")
set(body "")
foreach(line IN LISTS lines)
  string(REPLACE "\\" "\\\\" line "${line}")
  string(REPLACE "\"" "\\\"" line "${line}")
  string(REPLACE "\t" "\\t" line "${line}")
  string(APPEND body "    \"${line}\",\n")
endforeach()
file(WRITE "${OUT}.part"
     "// Made by the build from ${IN}; edit that file.\ninline constexpr const char* ${NAME}[] = {\n${body}};\n")
file(RENAME "${OUT}.part" "${OUT}")
