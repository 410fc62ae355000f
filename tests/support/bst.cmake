wb_add_test(bst_test SOURCES bst_test.cpp LIBS bst)
