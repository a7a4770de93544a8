# Checks that includes run one way: store <- text <- ui, state <- the screens <- app,
# store <- memory <- the screens, and store <- text, memory <- tool. Each folder may include its
# own headers and those of the folders listed for it, nothing else. Inside tool/ the rooms run one
# way too: the base and the data folder at its top, then formats/, backup/, import/, commands/,
# and the dispatcher (Tool.*, main.cpp) last. And no two files of the folders in knot_free
# include each other.
# Run as: cmake -DROOT=<source folder> -P include_layers.cmake

cmake_minimum_required(VERSION 3.25)

set(allowed_store store)
set(allowed_text text store)
set(allowed_drill drill store)
set(allowed_memory memory store)
set(allowed_ui ui text store)
set(allowed_state state ui text store)
set(allowed_menu menu memory state ui store)
set(allowed_editor editor memory state ui store)
set(allowed_learn learn memory drill state ui store)
set(allowed_quiz quiz memory drill state ui store)
set(allowed_info info memory ui store)
set(allowed_tool tool memory text store)
set(allowed_window window tool memory text store)
set(folders store text drill memory ui state menu editor learn quiz info tool window)

# The folders where no two files may include each other.
set(knot_free tool)
set(tool_rooms base formats backup import commands dispatcher)
# The room of a file of tool/ ("tool/import/Importing.h"), as an index into tool_rooms.
function(tool_room path out)
  if(path MATCHES "^tool/([^/]+)/")
    list(FIND tool_rooms "${CMAKE_MATCH_1}" index)
  elseif(path MATCHES "^tool/(Tool\\.|main\\.cpp)")
    list(FIND tool_rooms dispatcher index)
  else()
    list(FIND tool_rooms base index)
  endif()
  set(${out} ${index} PARENT_SCOPE)
endfunction()

set(wrong "")
set(edges "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" target_folder "${header}")
      file(RELATIVE_PATH where "${ROOT}" "${source}")
      if(NOT header MATCHES "/" OR NOT target_folder IN_LIST allowed_${folder})
        list(APPEND wrong "${where} includes \"${header}\"")
      elseif(folder STREQUAL "tool" AND target_folder STREQUAL "tool")
        tool_room("${where}" from)
        tool_room("${header}" to)
        if(to GREATER from)
          list(APPEND wrong "${where} includes \"${header}\" of a later room")
        endif()
      endif()
      string(REGEX REPLACE "\\.(h|cpp)$" "" from_unit "${where}")
      string(REGEX REPLACE "\\.(h|cpp)$" "" to_unit "${header}")
      if(NOT from_unit STREQUAL to_unit AND folder IN_LIST knot_free)
        list(APPEND edges "${from_unit}>${to_unit}")
      endif()
    endforeach()
  endforeach()
endforeach()

# Each file with its header is one unit; two units that include each other are one knot.
foreach(edge IN LISTS edges)
  string(REPLACE ">" ";" ends "${edge}")
  list(GET ends 0 a)
  list(GET ends 1 b)
  if("${b}>${a}" IN_LIST edges AND a STRLESS b)
    list(APPEND wrong "${a} and ${b} include each other")
  endif()
endforeach()

if(wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
message(STATUS "Every include runs one way.")
