#pragma once
// The functions of muparser, which reads and evaluates the expressions of EQ, from the
// library opened when a drawing first meets one (platform/loaded_library.h): a
// drawing without EQ never loads it, and without it EQ is refused with a reason.
#include <muParserDLL.h>

#include "platform/loaded_library.h"

#define PX_MUPARSER_FUNCTIONS(X) X(mupCreate) X(mupRelease) X(mupSetExpr) X(mupEval) \
  X(mupDefineVar) X(mupDefineFun1) X(mupDefineConst) X(mupClearFun) X(mupClearConst) \
  X(mupClearOprt) X(mupError) X(mupErrorReset) X(mupGetErrorCode) X(mupGetErrorToken)

PX_DECLARE_LIBRARY(ExpressionLibrary, expressionLibrary, muparser, PX_MUPARSER_FUNCTIONS)
