#include "picture/IcoDecoder.h"
