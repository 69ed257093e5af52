# The Qt edge: widgets, the serial port adapter, and the programs.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets SerialPort Svg PrintSupport)

ordalis_gui_sources(ORDALIS_GUI_SOURCES)
file(GLOB ORDALIS_QRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.qrc)
add_library(ordalis_gui STATIC ${ORDALIS_GUI_SOURCES} ${ORDALIS_QRC})
target_link_libraries(ordalis_gui PUBLIC ordalis_core Qt6::Core Qt6::Gui Qt6::Widgets Qt6::SerialPort Qt6::Svg
                      Qt6::PrintSupport)

add_executable(ordalis app/qt/main.cpp)
target_link_libraries(ordalis PRIVATE ordalis_gui ordalis_fixtures)

file(GLOB ORDALIS_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp)
add_executable(ordalis-cli ${ORDALIS_CLI_SOURCES})
target_link_libraries(ordalis-cli PRIVATE ordalis_gui ordalis_fixtures nlohmann_json::nlohmann_json CLI11::CLI11)

file(GLOB ORDALIS_SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/sim/*.cpp)
if(ORDALIS_SIM_SOURCES)
  add_executable(ordalis-sim ${ORDALIS_SIM_SOURCES})
  target_link_libraries(ordalis-sim PRIVATE ordalis_core ordalis_fixtures CLI11::CLI11 util)
endif()

file(GLOB ORDALIS_DEMO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/demo/*.cpp)
if(ORDALIS_DEMO_SOURCES)
  add_executable(ordalis-demo ${ORDALIS_DEMO_SOURCES})
  target_link_libraries(ordalis-demo PRIVATE ordalis_core ordalis_fixtures)
endif()

# A picture of the main window on the demo installation, for the README.
file(GLOB ORDALIS_SCREENSHOT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/screenshot/*.cpp)
if(ORDALIS_SCREENSHOT_SOURCES)
  add_executable(ordalis-screenshot ${ORDALIS_SCREENSHOT_SOURCES})
  target_link_libraries(ordalis-screenshot PRIVATE ordalis_gui ordalis_fixtures)
endif()
