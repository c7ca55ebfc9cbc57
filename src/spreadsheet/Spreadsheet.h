#pragma once
// The workbook engine: include this for the whole object model.
#include "SheetError.h"
#include "Workbook.h"
