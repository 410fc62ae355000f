// The buffer client compiled as C++: the installed headers must serve C++ clients unchanged.
#include "buffer_client.c"
