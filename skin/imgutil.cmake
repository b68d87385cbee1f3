# Image and colour operations and the arithmetic of the painting primitives: portable, built in
# both trees.
devtool_library(skin_imgutil
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilPixels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilColour.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilGradient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImgUtilRegion.cpp)
