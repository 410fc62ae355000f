wb_add_test(textlib_test SOURCES textlib_test.cpp LIBS textlib)
