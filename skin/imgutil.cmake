# Image and colour operations and the arithmetic of the painting primitives: portable, built in
# both trees.
devtool_library(skin_imgutil
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilPixels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilColour.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilGradient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilRegion.cpp)

# The drawing primitives and the bitmap forms of the image operations: Windows tree only.
if(WIN32)
    devtool_library(skin_imgutil_gdi
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilDib.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilPaint.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilPaintSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilTransparent.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilGradientFill.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilBackground.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImgUtilShared.cpp)
    target_link_libraries(skin_imgutil_gdi PUBLIC skin_imgutil gdi32 user32)
endif()
