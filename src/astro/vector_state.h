// The state of the processor's vector registers, which decides how fast the core's arithmetic runs.
#pragma once

namespace orvantis {

// Marks the upper halves of the AVX registers unused. Library code that leaves them in use (Qt's
// string code does) makes every later switch between plain SSE code, such as ours, and the VEX
// code of libm's sin and cos pay a penalty: a chart took eight times as long. Call it after such
// library work and before a computation; without AVX it does nothing.
void ClearVectorUpperState();

}  // namespace orvantis
