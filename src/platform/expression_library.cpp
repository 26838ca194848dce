#include "platform/expression_library.h"

PX_DEFINE_LIBRARY(ExpressionLibrary, expressionLibrary, PX_MUPARSER_FUNCTIONS, "libmuparser.so.2", "libmuparser.dll")
