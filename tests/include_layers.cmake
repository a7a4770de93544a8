# Checks that includes run one way: store <- text <- ui, state <- the screens <- app,
# store <- memory <- the screens, and store <- text, memory <- tool. Each folder
# may include its own headers and those of the folders listed for it, nothing else.
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

set(wrong "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" target_folder "${header}")
      if(NOT header MATCHES "/" OR NOT target_folder IN_LIST allowed_${folder})
        file(RELATIVE_PATH where "${ROOT}" "${source}")
        list(APPEND wrong "${where} includes \"${header}\"")
      endif()
    endforeach()
  endforeach()
endforeach()

if(wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
message(STATUS "Every include runs one way.")
