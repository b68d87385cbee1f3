# Stored skins (TSkinStore) and the registration of the skin components for the form reader:
# portable, built in both trees.
devtool_library(skin_store ${CMAKE_CURRENT_LIST_DIR}/VarUdedStore.cpp)
target_link_libraries(skin_store PUBLIC framework_core)

devtool_library(skin_classes ${CMAKE_CURRENT_LIST_DIR}/SkinClasses.cpp)
target_link_libraries(skin_classes PUBLIC skin_store)

# Skin images as framework bitmaps: Windows tree only.
if(WIN32)
    devtool_library(skin_bitmap ${CMAKE_CURRENT_LIST_DIR}/SkinBitmap.cpp)
    target_link_libraries(skin_bitmap PUBLIC framework skin_read)
endif()

# In the Windows tree the form reader also knows the skin component.
if(WIN32)
    target_link_libraries(skin_classes PUBLIC skin_engine)
    target_compile_definitions(skin_classes PRIVATE DEVTOOL_SKIN_ENGINE=1)
endif()
