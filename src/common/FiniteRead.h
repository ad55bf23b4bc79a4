#pragma once
// Singles that must stay finite: a number beyond the range of a single (such
// as 1E+39) is 0 when typed, never an infinity (the reader refuses it).

namespace kelca {

bool FitsSingle(double x);
// A number as a single; a number beyond the range of a single gives 0.
float SingleOf(double x);

}  // namespace kelca
