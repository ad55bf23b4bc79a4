#pragma once
// Singles that must stay finite: a number beyond the range of a single (such
// as 1E+39) is a reported read failure, or 0 when typed, never an infinity.
#include "common/TextReader.h"

namespace kelca {

bool FitsSingle(double x);
bool ReadFiniteSingle(TextReader& reader, float& out);
// A number as a single; a number beyond the range of a single gives 0.
float SingleOf(double x);

}  // namespace kelca
