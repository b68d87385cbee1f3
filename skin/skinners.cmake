# The control skinners: the choice of skinner and the arithmetic of the control painters
# (portable, tested natively), and the skinners and painters themselves, part of the skin engine
# in the Windows tree.
devtool_library(skin_controlrules
    ${CMAKE_CURRENT_LIST_DIR}/ControlKinds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlStates.cpp)
target_link_libraries(skin_controlrules PUBLIC skin_imgutil)

if(WIN32)
    target_sources(skin_engine PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/ControlSkinner.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlSkinnerList.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlRules.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlWalk.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlFactory.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlPicture.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinButton.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinBitButton.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinMenuButton.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinSpeedButton.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinCheckBox.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinComboBox.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinEdit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinDateTime.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinTab.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinBoxes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinStatusBar.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinProgress.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinTrackBar.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinUpDown.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinHeader.cpp)
    target_link_libraries(skin_engine PUBLIC skin_controlrules)
endif()
