wb_add_support(bst SOURCES bst.cpp HEADERS support/bst.h DEPS genlib)
