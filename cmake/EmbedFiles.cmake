# Writes a C++ source that holds files' bytes, for a program that needs them without reading
# them at run time:
#
#   cmake -DOUTPUT=FILE.cpp -DHEADER=H -DNAME=IDENTIFIER -DFILES="A|B|..." -P EmbedFiles.cmake
#
# The source defines narabe::IDENTIFIER, a std::array of std::span<const unsigned char>, one
# span per file, in the order given, as the header H (its path under src/) declares it.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" FILES "${FILES}")
set(arrays "")
set(spans "")
set(index 0)
foreach(file IN LISTS FILES)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Lines of 16 bytes keep the source readable in a diff and light for the compiler.
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "// ${file}\nconstexpr unsigned char FILE_${index}[] = {\n    ${bytes}\n};\n")
    string(APPEND spans "FILE_${index}, ")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new
     "// Written by the build (cmake/EmbedFiles.cmake); not to be edited.\n"
     "#include \"${HEADER}\"\n\nnamespace narabe {\n\nnamespace {\n\n${arrays}\n"
     "} // namespace\n\nconst std::array<std::span<const unsigned char>, ${index}> ${NAME} = {\n"
     "    ${spans}};\n\n} // namespace narabe\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
