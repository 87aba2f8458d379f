# The statistics store over QSettings (Qt Core only). Included once, by whichever folder's CMakeLists.txt
# is processed first; it needs Qt6::Core and vantrel_core to be known.
if(NOT TARGET vantrel_registry)
  add_library(vantrel_registry STATIC ${CMAKE_CURRENT_LIST_DIR}/settings_registry.cpp)
  target_link_libraries(vantrel_registry PUBLIC vantrel_core Qt6::Core)
  vantrel_warnings(vantrel_registry)
endif()
