# Reading side of skins: the packed-skin decoder, the package, the description and BMP images.
# Portable, so it is built in both trees and tested and fuzzed natively.
devtool_library(skin_read
    ${CMAKE_CURRENT_LIST_DIR}/SkinReadHuffman.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinRead.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VarUdedIni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BmpImage.cpp)

# Where the build puts the default skin (made by tools/, target default_skin), for embedding.
set(DEVTOOL_DEFAULT_SKIN ${CMAKE_BINARY_DIR}/skins/default.skn)
set(DEVTOOL_DEFAULT_SKIN ${DEVTOOL_DEFAULT_SKIN} PARENT_SCOPE)
