#pragma once

// Nearest integer, an exact half going to the even neighbour (2.5 gives 2,
// 7.5 gives 8), as the order draws need.
long long roundHalfEven(double value);
