# The skin element model (portable, tested natively) and the skin engine on Win32: the skin
# component, the window skinner and its painters.
devtool_library(skin_model
    ${CMAKE_CURRENT_LIST_DIR}/SkinElements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BuiltinArt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptionLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollGeometry.cpp)
target_link_libraries(skin_model PUBLIC skin_read skin_imgutil)

if(WIN32)
    devtool_library(skin_engine
        ${CMAKE_CURRENT_LIST_DIR}/SkinImageGdi.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedData.cpp
        ${CMAKE_CURRENT_LIST_DIR}/GlyphCache.cpp
        ${CMAKE_CURRENT_LIST_DIR}/WinSubclass.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedForm.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedFormDispatch.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedFormPaint.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedFormButtons.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedFormMdi.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedFormSysMenu.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedMenu.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MenuItemPaint.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ScrollOverlay.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ScrollBarPair.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinScrollbar.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinScrollbarH.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinScControl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedMenuTrack.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VarUdedPopMenu.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinManage.cpp)
    target_link_libraries(skin_engine PUBLIC skin_model skin_imgutil_gdi framework comctl32)
endif()
