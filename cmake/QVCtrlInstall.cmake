# Installing the library as a package: headers, DLLs, import libraries, the
# framework layer and a CMake package configuration with QVCtrl::QVCtrl.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QV_CMAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/QVCtrl)

install(TARGETS afx QVXml10U QVCtrl EXPORT QVCtrlTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Headers keep the layout that qvctrl.h includes them by ("common/field.h", ...);
# the framework layer's and the companion's headers sit at the top.
install(DIRECTORY afx/ companion/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
install(DIRECTORY src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
install(FILES ${QV_GENERATED_DIR}/qvversion.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(EXPORT QVCtrlTargets NAMESPACE QVCtrl:: DESTINATION ${QV_CMAKE_INSTALL_DIR})
configure_package_config_file(cmake/QVCtrlConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QVCtrlConfig.cmake INSTALL_DESTINATION ${QV_CMAKE_INSTALL_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QVCtrlConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QVCtrlConfig.cmake ${PROJECT_BINARY_DIR}/QVCtrlConfigVersion.cmake
        DESTINATION ${QV_CMAKE_INSTALL_DIR})
