# The thin platform layer under the settings window: notifications, the drop
# target, alerts, the open panel and file typing. Included from
# window/CMakeLists.txt; paths are relative to this file.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

add_library(kavelo_platform STATIC
  ${CMAKE_CURRENT_LIST_DIR}/NotificationCenter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MyView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Alerts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileType.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NotificationCenter.h
  ${CMAKE_CURRENT_LIST_DIR}/MyView.h
  ${CMAKE_CURRENT_LIST_DIR}/Alerts.h
  ${CMAKE_CURRENT_LIST_DIR}/OpenPanel.h
  ${CMAKE_CURRENT_LIST_DIR}/FileType.h
  ${CMAKE_CURRENT_LIST_DIR}/ScopedSeam.h
)
set_target_properties(kavelo_platform PROPERTIES AUTOMOC ON)
target_include_directories(kavelo_platform PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kavelo_platform PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets)
