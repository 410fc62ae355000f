wb_add_test(charstack_test SOURCES charstack_test.cpp LIBS charstack)
