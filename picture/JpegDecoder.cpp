#include "picture/JpegDecoder.h"
