# Fails when the game logic reaches Qt or SDL: a file anywhere below a logic folder that
# includes one of their headers, or a logic target that links anything but other logic
# targets. Fails too when rules/ or state/ could write through a board they are given to
# read: a const_cast or a mutable member there, a Board taken by a reference that is not
# const, or (given a compiler) checks that do not compile with a read-only board.
#   SRC    the source folder to walk
#   LINKS  (optional) a file of "target: linked;libraries" lines, one per logic target
#   CXX    (optional) a C++ compiler, and READ_ONLY the source it compiles against SRC
cmake_minimum_required(VERSION 3.25)
set(logic_folders state rules computer render support game ports)
set(bad "")

# Appends to `bad` every line of a file below the folders that matches the pattern.
function(find_lines folders pattern what)
    foreach(dir ${folders})
        file(GLOB_RECURSE files ${SRC}/${dir}/*.h ${SRC}/${dir}/*.hpp ${SRC}/${dir}/*.cpp)
        foreach(f ${files})
            file(STRINGS ${f} lines REGEX "${pattern}")
            if(lines)
                list(APPEND bad "${f}${what}: ${lines}")
            endif()
        endforeach()
    endforeach()
    set(bad "${bad}" PARENT_SCOPE)
endfunction()

find_lines("${logic_folders}" "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|SDL)" "")
find_lines("rules;state" "const_cast|(^|[^A-Za-z_])mutable[ \t]|[(,][ \t]*Board[ \t]*&"
           " may write through a read-only board")

if(DEFINED CXX)
    execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -I${SRC} ${READ_ONLY}
                    RESULT_VARIABLE compiled OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT compiled EQUAL 0)
        list(APPEND bad "the checks do not all take a read-only board:\n${out}")
    endif()
endif()

if(DEFINED LINKS)
    file(STRINGS ${LINKS} entries)
    set(logic_targets "")
    foreach(entry ${entries})
        string(FIND "${entry}" ": " colon)
        string(SUBSTRING "${entry}" 0 ${colon} target)
        list(APPEND logic_targets ${target})
    endforeach()
    foreach(entry ${entries})
        string(FIND "${entry}" ": " colon)
        string(SUBSTRING "${entry}" 0 ${colon} target)
        math(EXPR start "${colon} + 2")
        string(SUBSTRING "${entry}" ${start} -1 linked)
        foreach(library ${linked})
            if(NOT library IN_LIST logic_targets)
                list(APPEND bad "${target} links ${library}")
            endif()
        endforeach()
    endforeach()
endif()

if(bad)
    string(REPLACE ";" "\n" bad "${bad}")
    message(FATAL_ERROR "window or sound code in the game logic, or a board written through:\n${bad}")
endif()
