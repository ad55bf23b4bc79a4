#pragma once
// A file of the lowest folder that includes a higher one: the layering check
// must refuse it.
#include "app/Workspace.h"
#include "common/Numbers.h"
