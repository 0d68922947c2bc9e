# Collects a feature folder's sources. Window code is recognised by its file name so that a
# feature keeps its logic and its dialog side by side without the logic depending on widgets.
function(tarnwick_add_feature_folder folder)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  set(core_sources)
  set(gui_sources)
  foreach(src ${sources})
    get_filename_component(name ${src} NAME_WE)
    if(name MATCHES "(_dialog|_window|_widget)$")
      list(APPEND gui_sources ${src})
    else()
      list(APPEND core_sources ${src})
    endif()
  endforeach()
  if(core_sources)
    target_sources(tarnwick_core PRIVATE ${core_sources})
  endif()
  if(gui_sources)
    target_sources(tarnwick_gui PRIVATE ${gui_sources})
  endif()
endfunction()

function(tarnwick_add_gui_folder folder)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  if(sources)
    target_sources(tarnwick_gui PRIVATE ${sources})
  endif()
endfunction()

# One test executable per test folder: every test_*.cpp in it, with the shared support code.
# kind is "core" (QCoreApplication, links tarnwick_core) or "gui" (QApplication, tarnwick_gui).
function(tarnwick_add_test_folder name kind)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${TARNWICK_WARNINGS})
  if(kind STREQUAL "gui")
    target_link_libraries(${name} PRIVATE tarnwick_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE tarnwick_test_main_core)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# With Ninja, a target's moc step only re-runs when a file it saw last time changes, so a header
# added to a globbed folder would never be moc'ed in an existing build folder. When the target's
# list of sources changes, the moc step's stamp is removed so that it runs again.
function(tarnwick_watch_sources_for_moc target)
  get_target_property(sources ${target} SOURCES)
  string(REPLACE ";" "\n" content "${sources}")
  set(list_file ${CMAKE_BINARY_DIR}/${target}_sources.txt)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL content)
    file(WRITE ${list_file} "${content}")
    file(REMOVE ${CMAKE_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()
