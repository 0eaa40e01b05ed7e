# The quantity pages as windows: the page dialog binding the model to its
# windows, the layout built from each record, and the 46 page classes.
add_library(unitora_pages STATIC
  ${CMAKE_SOURCE_DIR}/core/PageTemplate.cpp
  ${CMAKE_SOURCE_DIR}/core/QuantityDialog.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/PageDialogs.cpp)
target_link_libraries(unitora_pages PUBLIC unitora_controls unitora_catalogue)
