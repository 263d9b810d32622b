# The Debian package: cpack -G DEB in the build folder. lintian has nothing to say about it
# (the install check makes sure).
set(CPACK_PACKAGE_NAME babyname)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The babyname developers <babyname@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Suggests Chinese given names for a baby")
# The extended description, wrapped for an 80-column terminal as Debian wants it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A small desktop program that helps parents choose a Chinese given name. It"
  "takes the family name, the baby's sex and the length of the full name, and"
  "fills a grid with 66 suggested full names drawn from its name store at each"
  "press of its first button."
  ""
  "The birth date is entered in a date picker that also shows the Chinese lunar"
  "date, with a drop-down month calendar of lunar days, festivals, solar terms"
  "and historical reign eras."
  ""
  "The commands lunarcal (the lunar calendar of a day or a month) and"
  "babyname-suggest (the suggested names on the command line) come with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.com/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window needs Qt's X11 platform plugin and the fonts it asks for, which no library
# dependency brings in. Either Chinese font stands in for the other; with both (recommended)
# the window looks as designed. Wayland sessions want Qt's Wayland plugin, but the program
# also runs there through XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-wqy-zenhei | fonts-arphic-uming | fonts-noto-cjk, fonts-liberation, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-wqy-zenhei, fonts-arphic-uming")
include(CPack)
