# The screen reader test: the real program under its own X display and
# accessibility bus, read over AT-SPI by tests/a11y/atspi_test.py. The system's
# Python runs it, where the AT-SPI client library (python3-gi, gir1.2-atspi-2.0) lies.
add_test(NAME test_atspi
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/a11y/atspi_test.py
          $<TARGET_FILE:ayat-explorer> ${PROJECT_SOURCE_DIR} ${Qt6_VERSION})
set_tests_properties(test_atspi PROPERTIES TIMEOUT 600)

# What Orca, the screen reader, says of the real program driven by real keys:
# tests/a11y/orca_test.py. Orca's own Python libraries lie in the system's Python.
add_test(NAME test_orca
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/a11y/orca_test.py
          $<TARGET_FILE:ayat-explorer> ${PROJECT_SOURCE_DIR} ${Qt6_VERSION})
set_tests_properties(test_orca PROPERTIES TIMEOUT 900)
