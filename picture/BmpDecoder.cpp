#include "picture/BmpDecoder.h"
