# Which files form the core and which the Qt edge.
# Every subsystem folder holds core files (plain C++) at its top and Qt files
# in its qt/ subfolder. A file named main.cpp is a program's entry and belongs
# to no library.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

function(ordalis_core_sources out)
  set(result "")
  foreach(dir ${ORDALIS_SUBSYSTEMS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(ordalis_gui_sources out)
  set(result "")
  foreach(dir ${ORDALIS_SUBSYSTEMS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${dir}/qt/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/qt/*.h)
    list(FILTER found EXCLUDE REGEX "/main\\.cpp$")
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
