// The same consumer, compiled as C++.
#include "consumer.c"
